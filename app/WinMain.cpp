#include <windows.h>
#include <commctrl.h>

#include "app/VL.h"
#include "base/Trace.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    try {
        CVLApp app;
        app.InitInstance();
    } catch (...) {
        VL_TRACE();
    }
    return 0;
}
