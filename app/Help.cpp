#include "app/Help.h"

#include <windows.h>

#include "base/ProgramPath.h"
#include "base/SystemFolder_win.h"
#include "base/Trace.h"

std::string GetHelpFilePath() {
    return ProgramFolder() + "\\vm.chm";
}

void ShowHelp(const char* topic) {
    // The HTML Help control is loaded only when help is asked for; ordinal 14 is HtmlHelpA.
    typedef HWND(WINAPI * HtmlHelpFn)(HWND, LPCSTR, UINT, DWORD_PTR);
    static HMODULE control = LoadSystemLibrary("hhctrl.ocx");
    if (!control) {
        VL_TRACE();
        return;
    }
    auto fn = reinterpret_cast<HtmlHelpFn>(reinterpret_cast<void*>(GetProcAddress(control, MAKEINTRESOURCEA(14))));
    if (!fn) {
        VL_TRACE();
        return;
    }
    const UINT kDisplayTopic = 0x0000, kDisplayToc = 0x0001;
    std::string path = GetHelpFilePath();
    if (topic && *topic)
        fn(nullptr, path.c_str(), kDisplayTopic, reinterpret_cast<DWORD_PTR>(topic));
    else
        fn(nullptr, path.c_str(), kDisplayToc, 0);
}
