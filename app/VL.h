// The application object: command line, single instance, system check, then the main
// window run modally for the whole life of the process.
#pragma once
#include <windows.h>

#include <string>

class CVLApp {
public:
    CVLApp() = default;
    ~CVLApp();
    CVLApp(const CVLApp&) = delete;
    CVLApp& operator=(const CVLApp&) = delete;

    // Always false: the process ends when it returns.
    bool InitInstance();

    static bool HasSwitch(const char* text);
    static bool IsAnotherInstanceRunning(const std::string& productName);
    // Creates the single-instance mutex; false (mutex null) when it existed already,
    // that is when another instance got there first.
    static bool ClaimSingleInstance(const std::string& productName, HANDLE& mutex);
    // A second start: the running instance opens its configuration window.
    static void HandOverToRunningInstance(const std::string& productName);
    // The main window of a running instance, or nullptr.
    static HWND FindRunningInstance(const std::string& productName);
    static bool CheckSystem();
    // The display settings page of the control panel.
    static std::string GetLanguageFolder();

private:
    bool InitLanguageManager();

    HANDLE m_hMutex = nullptr;
};
