#include "lang/LangMessageBox_win.h"

#include <string>

#include "base/Trace.h"
#include "lang/LangKeys.h"
#include "lang/LanguageManager.h"
#include "settings/OptionData.h"

int LangMessageBox(HWND owner, const char* key, UINT flags, const std::string& lineBelow) {
    std::string text;
    if (!GetLanguageManager().GetString(langsec::kStrings, key, text)) {
        VL_TRACE_MSG(key);
        return -1;
    }
    if (!lineBelow.empty()) text += "\n\n" + lineBelow;
    if (owner && !IsWindow(owner)) owner = nullptr;
    return MessageBoxA(owner, text.c_str(), kProductName, flags);
}
