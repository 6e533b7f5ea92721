// Shared by the in-process window tests.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "framework/PropertySheet.h"

// A path of the source tree as the Windows program sees it under Wine.
inline std::string WinPath(std::string unixPath) {
    for (char& c : unixPath) {
        if (c == '/') c = '\\';
    }
    return "Z:" + unixPath;
}

inline std::string SourceLanguageFolder() {
    return WinPath(std::string(VELUM_SOURCE_DIR) + "/language");
}

inline void InitWindowClasses() {
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
}

// Works off what is queued, as the sheet's own loop would.
inline void Pump(CPropertySheet& sheet) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (sheet.PreTranslate(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}
