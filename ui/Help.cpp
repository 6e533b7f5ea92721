#include "ui/Help.h"

#include <windows.h>

#include "base/ProgramPath.h"
#include "base/SystemFolder_win.h"
#include "base/Trace.h"
#include "base/WideName_win.h"
#include "lang/LangKeys.h"
#include "lang/LangMessageBox_win.h"
#include "settings/OptionData.h"

namespace {

HelpRequestHandler g_helpRequestHandler = nullptr;

bool HelpFileExists() {
    DWORD attributes = GetFileAttributesW(WideName(GetHelpFilePath()).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The HTML Help control shows nothing at all for a missing file.
void ShowHelpFileMissing() {
    HWND owner = GetActiveWindow();
    const UINT flags = MB_OK | MB_ICONEXCLAMATION;
    if (LangMessageBox(owner, strkey::kHelpFileMissing, flags) == -1) MessageText(owner, kHelpFileMissingText, flags);
}

}  // namespace

std::string GetHelpFilePath() {
    return ProgramFolder() + "\\vm.chm";
}

HelpRequestHandler SetHelpRequestHandler(HelpRequestHandler handler) {
    HelpRequestHandler previous = g_helpRequestHandler;
    g_helpRequestHandler = handler;
    return previous;
}

void ShowHelp(const char* topic) {
    if (g_helpRequestHandler) {
        g_helpRequestHandler(topic ? topic : "");
        return;
    }
    if (!HelpFileExists()) {
        ShowHelpFileMissing();
        return;
    }
    // The HTML Help control is loaded only when help is asked for; ordinal 15 is HtmlHelpW.
    typedef HWND(WINAPI * HtmlHelpFn)(HWND, LPCWSTR, UINT, DWORD_PTR);
    static HMODULE control = LoadSystemLibrary("hhctrl.ocx");
    if (!control) {
        VL_TRACE();
        return;
    }
    auto fn = reinterpret_cast<HtmlHelpFn>(reinterpret_cast<void*>(GetProcAddress(control, MAKEINTRESOURCEA(15))));
    if (!fn) {
        VL_TRACE();
        return;
    }
    const UINT kDisplayTopic = 0x0000, kDisplayToc = 0x0001;
    const std::wstring path = WideName(GetHelpFilePath());
    if (topic && *topic)
        fn(nullptr, path.c_str(), kDisplayTopic, reinterpret_cast<DWORD_PTR>(WideName(topic).c_str()));
    else
        fn(nullptr, path.c_str(), kDisplayToc, 0);
}
