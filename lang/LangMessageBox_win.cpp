#include "lang/LangMessageBox_win.h"

#include <string>

#include "base/Trace.h"
#include "base/Unicode.h"
#include "base/WideName_win.h"
#include "lang/LangKeys.h"
#include "lang/LanguageManager.h"
#include "settings/OptionData.h"

int MessageText(HWND owner, const std::string& text, UINT flags) {
    if (owner && !IsWindow(owner)) owner = nullptr;
    return MessageBoxA(owner, text.c_str(), kProductName, flags);
}

int LangMessageBox(HWND owner, const char* key, UINT flags, const std::string& nameBelow) {
    std::string text;
    if (!GetLanguageManager().GetString(langsec::kStrings, key, text)) {
        VL_TRACE_MSG(key);
        return -1;
    }
    if (nameBelow.empty()) return MessageText(owner, text, flags);
    if (owner && !IsWindow(owner)) owner = nullptr;
    // The language's text is in the code page, the name is not: the box is shown wide.
    const std::wstring wide = WideName(AnsiToName(text)) + L"\n\n" + WideName(nameBelow);
    const std::wstring caption = WideName(kProductName);
    return MessageBoxW(owner, wide.c_str(), caption.c_str(), flags);
}
