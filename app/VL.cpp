#include "app/VL.h"

#include "res/VelumIds.h"
#include "res/MainMessages.h"
#include "app/MainWindow.h"
#include "base/CommandLine.h"
#include "base/ProgramPath.h"
#include "base/SystemFolder_win.h"
#include "base/Trace.h"
#include "display/SystemDisplay_win.h"
#include "lang/LangMessageBox_win.h"
#include "lang/LanguageManager.h"
#include "settings/SettingsSystem_win.h"
#include "base/ResString_win.h"

namespace {

int ResMessageBox(UINT textId, UINT flags) {
    return MessageText(nullptr, LoadResString(textId), flags);
}

struct FindContext {
    const std::string* title;
    HWND found;
};

BOOL CALLBACK FindMainWindow(HWND hwnd, LPARAM lParam) {
    auto* ctx = reinterpret_cast<FindContext*>(lParam);
    char title[64] = {};
    GetWindowTextA(hwnd, title, sizeof title);
    if (*ctx->title == title && GetPropA(hwnd, kMainWindowMarker)) {
        ctx->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

CVLApp::~CVLApp() {
    if (m_hMutex) CloseHandle(m_hMutex);
}

bool CVLApp::HasSwitch(const char* text) {
    return HasSwitchIn(GetCommandLineA(), text);
}

bool CVLApp::IsAnotherInstanceRunning(const std::string& productName) {
    HANDLE mutex = OpenMutexA(SYNCHRONIZE, FALSE, productName.c_str());
    if (!mutex) return false;
    CloseHandle(mutex);
    return true;
}

bool CVLApp::ClaimSingleInstance(const std::string& productName, HANDLE& mutex) {
    mutex = CreateMutexA(nullptr, FALSE, productName.c_str());
    if (!mutex) {
        // Without the mutex the program still runs; only a second start is not noticed.
        VL_TRACE();
        return true;
    }
    if (GetLastError() != ERROR_ALREADY_EXISTS) return true;
    CloseHandle(mutex);
    mutex = nullptr;
    return false;
}

void CVLApp::HandOverToRunningInstance(const std::string& productName) {
    HWND running = FindRunningInstance(productName);
    if (!running) return;
    // The running instance may bring itself to the front.
    DWORD pid = 0;
    GetWindowThreadProcessId(running, &pid);
    AllowSetForegroundWindow(pid);
    PostMessageA(running, WM_COMMAND, ID_CONFIGURE, 0);
}

HWND CVLApp::FindRunningInstance(const std::string& productName) {
    FindContext ctx = {&productName, nullptr};
    EnumWindows(FindMainWindow, reinterpret_cast<LPARAM>(&ctx));
    return ctx.found;
}

bool CVLApp::CheckSystem() {
    DWORD version = GetVersion();
    bool nt = (version & 0x80000000u) == 0;
    if (!nt || LOBYTE(LOWORD(version)) < 5) {
        ResMessageBox(IDS_NEED_NT5, MB_OK);
        return false;
    }
    if (DesktopColorDepth() >= 16) return true;
    if (ResMessageBox(IDS_NEED_16BIT, MB_YESNO) == IDYES) OpenDisplaySettings();
    return false;
}

std::string CVLApp::GetLanguageFolder() {
    return ProgramFolder() + "\\language";
}

bool CVLApp::InitLanguageManager() {
    return GetLanguageManager().EnumLanguages(GetLanguageFolder(), "vm*.lng");
}

bool CVLApp::InitInstance() {
    std::string product = LoadResString(IDS_PRODUCT_NAME);
    if (product.empty()) product = kProductName;

    if (HasSwitch("-u")) {
        COptionData noAutoStart;
        noAutoStart.m_bAutoStart = 0;
        ApplyAutoStart(noAutoStart);
        if (HWND running = FindRunningInstance(product)) {
            // Synchronous, but a hung instance must not hang this one too.
            DWORD_PTR answer = 0;
            if (!SendMessageTimeoutA(running, WM_QUIT_INSTANCE, 0, 0, SMTO_ABORTIFHUNG, 30000, &answer)) VL_TRACE();
        }
        return false;
    }
    if (IsAnotherInstanceRunning(product)) {
        HandOverToRunningInstance(product);
        return false;
    }
    KeepCurrentFolderOutOfTheWay(ProgramFolder());
    if (!CheckSystem()) return false;
    if (!InitLanguageManager()) {
        ResMessageBox(IDS_LANGUAGE_MANAGER_FAILED, MB_OK);
        return false;
    }
    // Another start may have come this far at the same moment.
    if (!ClaimSingleInstance(product, m_hMutex)) {
        HandOverToRunningInstance(product);
        return false;
    }

    RunMainWindow(HasSwitch("-r"), [this] {
        if (m_hMutex) ReleaseMutex(m_hMutex);
    });
    return false;
}
