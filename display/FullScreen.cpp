#include "display/FullScreen.h"

#include "base/StringUtil.h"

namespace {

// The desktop behind the icons, the taskbars and the start menu.
bool IsShellClass(const std::string& cls) {
    const std::string c = AsciiLower(cls);
    return c == "progman" || c == "workerw" || c == "shell_traywnd" || c == "shell_secondarytraywnd" ||
           c == "dv2controlhost" || c == "#32769";
}

}  // namespace

bool IsFullScreenInFront(const CForegroundFacts& f) {
    if (!f.present || IsShellClass(f.className)) return false;
    if (!(f.windowMonitor == f.picturesMonitor)) return false;
    const int s = f.notificationState;
    if (s == kNotifyBusy || s == kNotifyDirect3DFullScreen || s == kNotifyPresentation) return true;
    return !f.caption && f.window.Covers(f.picturesMonitor);
}
