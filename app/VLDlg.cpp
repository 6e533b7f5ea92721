#include "app/VLDlg.h"

#include <shellapi.h>

#include <memory>

#include "res/TrayIds.h"
#include "res/VelumIds.h"
#include "app/AboutDlg.h"
#include "ui/Help.h"
#include "ui/HotKeys.h"
#include "app/TrayMenu.h"
#include "app/MainWindow.h"
#include "display/SystemDisplay_win.h"
#include "base/Clock.h"
#include "base/Trace.h"
#include "ui/ImageDisplayDlg.h"
#include "lang/LangMessageBox_win.h"
#include "lang/LanguageManager.h"
#include "lang/LanguageMenu.h"
#include "online/Addresses.h"
#include "plugin/PaintLibThumbnailGenerater_win.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsSystem_win.h"
#include "ui/ConfigWindow.h"
#include "framework/PropertySheet.h"

static_assert(WM_TRAY_NOTIFY == kTrayNotifyMessage && WM_TRAY_MENU == kTrayMenuMessage,
              "the tray object and the main window agree on their messages");

namespace {

static_assert(WM_FOLDERCHANGED == kWmFolderChanged, "the folder watcher posts the main window's message");

std::string LoadResString(UINT id) {
    char buf[512] = {};
    int n = LoadStringA(GetModuleHandleA(nullptr), id, buf, sizeof buf);
    return std::string(buf, n > 0 ? n : 0);
}

}  // namespace

CVLDlg::CVLDlg(bool startHidden)
    : CHelpTopicDialog(IDD_VL_DIALOG, kHelpConfigWindow),
      m_bStartHidden(startHidden),
      m_config(*this, GetLanguageManager()),
      m_setup(*this, GetLanguageManager()),
      m_list(*this, GetLanguageManager()) {
    CWinSettingsLocation location;
    m_strSettingsPath = GetSettingsPath(location);
    HINSTANCE instance = GetModuleHandleA(nullptr);
    m_hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDR_MAINFRAME));
    m_hIconDisabled = LoadIconA(instance, MAKEINTRESOURCEA(IDI_DISABLED));

    MapShellMessages();
    MapSlideshowCommands();
    MapConfigWindowCommands();
    MapTrayMessages();
    MapHotKeyMessages();
    MapLanguageCommands();
    MapOnlineMessages();
    ChainMessageMap(&m_config);
    ChainMessageMap(&m_list);
    ChainMessageMap(&m_thumbs);
    ChainMessageMap(&m_setup);
}

CVLDlg::~CVLDlg() {
    // The worker reads this object; it ends before anything else goes.
    if (m_pSlideshow) m_pSlideshow->StopWorker();
}

// ---------------------------------------------------------------------------------------
// Start-up

BOOL CVLDlg::OnInitDialog() {
    m_hMainWnd = m_hWnd;
    m_setup.SetMainWindow(m_hWnd);
    InitSystemMenuAndIcons();
    SizeConfigWindow();
    LoadSettingsStep();
    ApplyAutoStartStep();
    LoadLanguageStep();
    RestoreSlideshowPosition();
    FillControls();
    // A missing plug-in is told in the language, over this window.
    CPaintLibThumbnailGenerater::SetMessageFn([this] { LangMessageBox("0004", MB_OK | MB_ICONHAND); });
    if (!CreateDisplayWindow() || !SetUpConfigWindow() || !StartImageWorker()) {
        VL_TRACE();
        EndDialog(IDCANCEL);
        return TRUE;
    }
    FinishConfigWindow();
    CreateTrayIcon();
    if (!LoadThumbnailPlugin()) {
        VL_TRACE();
        EndDialog(IDCANCEL);
        return TRUE;
    }
    StartSlideshowTimer();
    ApplyStartMode();
    StartOnlineChecks();
    m_bModified = false;
    CreateImageInfoReaders();
    RegisterHotKeysStep();
    StartFolderWatcher();
    return TRUE;
}

void CVLDlg::InitSystemMenuAndIcons() {
    SetWindowLongA(m_hWnd, GWL_STYLE, GetWindowLongA(m_hWnd, GWL_STYLE) | WS_SYSMENU);
    if (HMENU sysMenu = GetSystemMenu(m_hWnd, FALSE)) {
        std::string about = LoadResString(IDS_ABOUTBOX);
        if (!about.empty()) {
            AppendMenuA(sysMenu, MF_SEPARATOR, 0, nullptr);
            AppendMenuA(sysMenu, MF_STRING, IDM_ABOUTBOX, about.c_str());
        }
    }
    SendMessageA(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessageA(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
}

void CVLDlg::SizeConfigWindow() {
    m_bConfigReady = m_config.Create(m_hWnd);
    if (!m_list.Create(m_hWnd)) m_bConfigReady = false;
}

void CVLDlg::LoadSettingsStep() {
    if (LoadSettings()) return;
    m_options.SetDefaults();
    m_setup.RunFirstStartWizard();
}

void CVLDlg::ApplyAutoStartStep() {
    // Registry failures only leave the trace.
    ApplyAutoStart(m_options);
}

void CVLDlg::LoadLanguageStep() {
    // A stored file that has gone falls back to the program's own, so that no message is
    // blank; the settings keep the file that loaded.
    if (!GetLanguageManager().LoadLanguageOrFallback(m_options.m_strLanguageFile)) VL_TRACE();
}

void CVLDlg::RestoreSlideshowPosition() {
    // The saved m_nNextIndex is taken over when the slideshow is created (CreateDisplayWindow).
    m_options.m_bEnabled = 1;
}

void CVLDlg::FillControls() {
    m_config.ApplyLanguage();
    m_config.FillControls();
    m_list.FillRows(m_options.m_images);
    m_thumbs.ShowStoredMode();
}

bool CVLDlg::CreateDisplayWindow() {
    std::unique_ptr<CImageDisplayDlg> display(new CImageDisplayDlg());
    if (!display->Create() || !display->InitLayered()) {
        VL_TRACE();
        return false;
    }
    m_pDisplay = std::move(display);
    m_pSlideshow.reset(new CSlideshow(m_options, m_displayList, *m_pDisplay, *this, SystemClock()));
    // The rebuild runs on the UI thread (a tick with an empty list) or on the worker (once
    // folder changes have been quiet); the slideshow keeps the busy flag and the stamp.
    m_watcher.SetOwner(FolderChangedPoster(m_hWnd));
    m_pSlideshow->SetRebuild([this](const std::vector<CImageItem>& images) { return m_rebuild.BuildPaths(images); });
    m_pSlideshow->RestoreNextIndex();
    return true;
}

bool CVLDlg::SetUpConfigWindow() {
    return m_bConfigReady;
}

bool CVLDlg::StartImageWorker() {
    m_pSlideshow->OptionsChanged();
    return m_pSlideshow->StartWorker();
}

void CVLDlg::FinishConfigWindow() {
    SetWindowTextA(m_hWnd, kProductName);
    SetPropA(m_hWnd, kMainWindowMarker, reinterpret_cast<HANDLE>(1));
    UpdateTrayIcon(m_options.m_bEnabled != 0);
}

void CVLDlg::CreateTrayIcon() {
    std::string tip = LoadResString(IDS_TRAY_TIP);
    HICON icon = m_options.m_bEnabled ? m_hIcon : m_hIconDisabled;
    // Without the icon the program stays reachable by a second start and the hotkeys.
    if (!m_tray.AddIcon(m_hWnd, WM_TRAY_NOTIFY, tip.c_str(), icon, IDR_TRAYMENU)) VL_TRACE();
    m_tray.SetDefaultCommand(ID_CONFIGURE, false);
}

bool CVLDlg::LoadThumbnailPlugin() {
    if (!m_thumbs.Create(m_hWnd)) return false;
    m_thumbs.ShowStoredMode();
    return true;
}

void CVLDlg::StartSlideshowTimer() {
    HandDisplaySettings();
    m_pSlideshow->SetTimer();
}

void CVLDlg::ApplyStartMode() {
    if (m_bStartHidden) {
        SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0, SWP_NOZORDER | SWP_NOACTIVATE);
        PostMessageA(m_hWnd, WM_START_HIDDEN, 0, 0);
    } else if (m_options.m_images.empty()) {
        PostMessageA(m_hWnd, WM_COMMAND, ID_ADD_IMAGE_FILES, 0);
    }
}

void CVLDlg::StartOnlineChecks() {
    m_online.Start(m_hWnd);
}

void CVLDlg::CreateImageInfoReaders() {
    m_pReaders.reset(new CImageInfoReaders());
}

void CVLDlg::RegisterHotKeysStep() {
    // A combination another program holds only leaves a trace naming its slot.
    RegisterHotKeys(m_hWnd, m_options);
}

void CVLDlg::StartFolderWatcher() {
    // Changes are noticed from the start, before the first rebuild fills the watch set anew.
    for (const CImageItem& item : m_options.m_images)
        if (item.m_bIsFolder) m_watcher.AddFolder(item.m_strPath);
    if (!m_watcher.IsWatching()) m_watcher.SetWatching(true);
}

// ---------------------------------------------------------------------------------------
// Message and command tables

void CVLDlg::MapShellMessages() {
    MapMessage(WM_START_HIDDEN, [this](WPARAM, LPARAM, LRESULT&) {
        OnStartHidden();
        return false;
    });
    MapMessage(WM_QUIT_INSTANCE, [this](WPARAM, LPARAM, LRESULT& result) {
        OnQuitInstance();
        result = 0;
        return true;
    });
    // At log-off and shutdown Windows ends the process without destroying this window.
    MapMessage(WM_QUERYENDSESSION, [](WPARAM, LPARAM, LRESULT& result) {
        result = TRUE;
        return true;
    });
    MapMessage(WM_ENDSESSION, [this](WPARAM ending, LPARAM, LRESULT& result) {
        if (ending) OnEndSession();
        result = 0;
        return true;
    });
    MapMessage(WM_DISPLAYCHANGE, [this](WPARAM wParam, LPARAM, LRESULT& result) {
        result = 0;
        return OnDisplayChange(wParam);
    });
    MapMessage(WM_CLOSE, [this](WPARAM, LPARAM, LRESULT& result) {
        OnOK();
        result = 0;
        return true;
    });
    MapMessage(WM_SYSCOMMAND, [this](WPARAM wParam, LPARAM, LRESULT& result) {
        if ((wParam & 0xFFF0) != IDM_ABOUTBOX) return false;
        OnAbout();
        result = 0;
        return true;
    });
    MapCommand(ID_CONFIGURE, [this](UINT) { ShowConfigWindow(); });
    MapCommand(ID_EXIT, [this](UINT) { OnExit(); });
    MapCommand(ID_HELP_CONTENTS, [](UINT) { ShowHelp(); });
    MapCommand(IDM_ABOUTBOX, [this](UINT) { OnAbout(); });
}

void CVLDlg::MapSlideshowCommands() {
    MapMessage(WM_FOLDERCHANGED, [this](WPARAM, LPARAM, LRESULT& result) {
        if (m_pSlideshow) m_pSlideshow->OnFolderChanged();
        result = 0;
        return true;
    });
    MapCommand(ID_TOGGLE_ENABLED, [this](UINT) {
        if (m_pSlideshow) m_pSlideshow->ToggleEnabled();
    });
    MapCommand(ID_PREVIOUS_IMAGE, [this](UINT) {
        if (m_pSlideshow) m_pSlideshow->OnPreviousImage();
    });
    MapCommand(ID_NEXT_IMAGE, [this](UINT) {
        if (m_pSlideshow) m_pSlideshow->OnNextImage();
    });
    MapCommand(ID_INCREASE_OPACITY, [this](UINT) {
        if (m_pSlideshow) m_pSlideshow->OnIncreaseOpacity();
    });
    MapCommand(ID_DECREASE_OPACITY, [this](UINT) {
        if (m_pSlideshow) m_pSlideshow->OnDecreaseOpacity();
    });
}

void CVLDlg::MapConfigWindowCommands() {
    // The window's own commands are the configuration window's (chained); the list's come with it.
}

void CVLDlg::MapTrayMessages() {
    MapMessage(WM_TRAY_NOTIFY, [this](WPARAM wParam, LPARAM lParam, LRESULT&) {
        m_tray.HandleIconMessage(wParam, lParam);
        return false;
    });
    MapMessage(WM_TRAY_MENU, [this](WPARAM wParam, LPARAM, LRESULT& result) {
        PrepareTrayMenu(reinterpret_cast<HMENU>(wParam));
        result = 0;
        return true;
    });
    // The wallpaper sites of the tray menu's submenu.
    MapCommandRange(ID_SITE_FIRST, ID_SITE_LAST, [this](UINT id) { OpenSite(m_hWnd, m_options, id); });
}

void CVLDlg::MapHotKeyMessages() {
    MapMessage(WM_HOTKEY, [this](WPARAM wParam, LPARAM, LRESULT& result) {
        result = 0;
        return OnHotKey(wParam);
    });
}

bool CVLDlg::OnHotKey(WPARAM id) {
    if (!m_pSlideshow) return false;
    switch (id) {
        case 10:
            m_pSlideshow->ToggleEnabled();
            return true;
        case 11:
            m_pSlideshow->OnIncreaseOpacity();
            return true;
        case 12:
            m_pSlideshow->OnDecreaseOpacity();
            return true;
        case 19:
            m_pSlideshow->OnPreviousImage();
            return false;
        case 20:
            m_pSlideshow->OnNextImage();
            return false;
        default:
            return false;
    }
}

void CVLDlg::PrepareTrayMenu(HMENU menu) {
    ::PrepareTrayMenu(menu, m_options, CurrentLanguageLookup());
}

void CVLDlg::MapLanguageCommands() {
    // The language submenu's items; the path of the language in use goes to the settings.
    MapCommandRange(ID_LANGUAGE_FIRST, ID_LANGUAGE_LAST, [this](UINT id) { OnLanguageCommand(id); });
}

void CVLDlg::OnLanguageCommand(UINT id) {
    // Kept in m_strLanguageFile and saved with the next save, not at once: a save now would
    // clear m_bModified and Exit would drop the edits still pending.
    SwitchLanguageByCommand(GetLanguageManager(), id, m_options.m_strLanguageFile);
    m_config.ApplyLanguage();
}

void CVLDlg::MapOnlineMessages() {
    MapMessage(WM_UPDATE_CHECKED, [this](WPARAM, LPARAM, LRESULT& result) {
        m_online.OnUpdateChecked();
        result = 0;
        return true;
    });
    MapMessage(WM_SITELIST_READY, [this](WPARAM, LPARAM, LRESULT& result) {
        if (m_online.OnSiteListReady()) m_bModified = true;
        result = 0;
        return true;
    });
    MapCommand(ID_WEB_PAGE, [this](UINT) { OpenWebPage(m_hWnd, kHomePageAddress); });
    MapCommand(ID_GET_LANGUAGE_PACK, [this](UINT) { OpenWebPage(m_hWnd, kLanguagePackPageAddress); });
}

// ---------------------------------------------------------------------------------------
// Shell

void CVLDlg::OnTimer(UINT_PTR id) {
    if (id == TIMER_SLIDESHOW && m_pSlideshow) m_pSlideshow->Tick();
    m_online.OnTimer(id);
}

bool CVLDlg::PreTranslateMessage(MSG& msg) {
    return m_config.TranslateKeys(msg);
}

void CVLDlg::OnStartHidden() {
    HideConfigWindow();
    HandDisplaySettings();
    FillControls();
    if (m_options.m_bEnabled && m_pSlideshow) m_pSlideshow->StartSlideshow();
}

void CVLDlg::OnQuitInstance() {
    // An open sheet or wizard goes first, as cancelled; its own ending then runs before this.
    if (CPropertySheet::CancelOpen()) {
        PostMessageA(m_hWnd, WM_QUIT_INSTANCE, 0, 0);
        return;
    }
    EndDialog(IDOK);
    PostQuitMessage(0);
}

bool CVLDlg::OnDisplayChange(WPARAM bitsPerPixel) {
    if (bitsPerPixel >= 16) return false;
    if (LangMessageBox("0006", MB_YESNO) == IDYES) OpenDisplaySettings();
    return true;
}

void CVLDlg::OnExit() {
    if (CPropertySheet::CancelOpen()) {
        PostMessageA(m_hWnd, WM_COMMAND, ID_EXIT, 0);
        return;
    }
    if (m_bModified) {
        if (!TakeValuesFromControls()) return;
        SaveSettings();
    }
    m_list.List().DeleteAllRows();
    m_config.Hide();
    EndDialog(IDOK);
}

void CVLDlg::OnEndSession() {
    // The process may be ended at any moment after this returns.
    SaveSettings();
    UnregisterHotKeysStep();
}

void CVLDlg::OnAbout() {
    CAboutDlg about(CurrentLanguageLookup());
    about.DoModal(m_hWnd);
}

void CVLDlg::OnOK() {
    if (!TakeValuesFromControls()) return;
    HideConfigWindow();
    if (m_bModified && m_pSlideshow) {
        KillSlideshowTimer();
        m_pSlideshow->OptionsChanged();
        HandDisplaySettings();
        m_pSlideshow->SetTimer();
    }
    if (m_options.m_bEnabled && m_pSlideshow) m_pSlideshow->StartSlideshow();
    SaveSettings();
}

void CVLDlg::OnCancel() {
    HideConfigWindow();
    const int32_t enabled = m_options.m_bEnabled;
    const std::string language = m_options.m_strLanguageFile;
    // A settings file that cannot be read (none yet, or held by another program for a
    // moment) must not cost the user the configuration: only this window's edits go back.
    COptionData stored;
    if (LoadSettingsInto(stored)) {
        m_options = stored;
    } else {
        m_config.RestoreShownValues();
    }
    m_options.m_bEnabled = enabled;
    // The saved path names the language on screen.
    m_options.m_strLanguageFile = language;
    m_bModified = false;
    FillControls();
    if (!m_pSlideshow) return;
    m_pSlideshow->OptionsChanged();
    HandDisplaySettings();
    if (m_options.m_bEnabled) m_pSlideshow->StartSlideshow();
}

void CVLDlg::ShowConfigWindow() {
    // The sheet or wizard stays what the user is working on.
    if (CPropertySheet::BringOpenToFront()) return;
    if (m_pDisplay && !m_config.IsVisible()) m_pDisplay->Hide();
    m_config.Show();
}

void CVLDlg::HideConfigWindow() {
    m_config.Hide();
}

void CVLDlg::HandDisplaySettings() {
    if (!m_pDisplay) return;
    m_pDisplay->SetSizeMode(m_options.m_nSizeMode);
    m_pDisplay->SetRegion(m_options.m_region);
}

int CVLDlg::LangMessageBox(const char* key, UINT flags) {
    return ::LangMessageBox(m_hWnd, key, flags);
}

// ---------------------------------------------------------------------------------------
// Settings

bool CVLDlg::LoadSettings() {
    return LoadSettingsInto(m_options);
}

bool CVLDlg::LoadSettingsInto(COptionData& options) {
    uint32_t version = 0;
    const SettingsLoad result = LoadSettingsFileWaiting(m_strSettingsPath, options, &version, 2000);
    // Defaults follow, and the next save must not destroy the user's file with them.
    m_bSettingsNotLoaded = result == SettingsLoad::NotLoaded;
    if (result != SettingsLoad::Loaded) {
        VL_TRACE();
        return false;
    }
    if (version != kVelumVersion) VelumTraceText("Different Version");
    return true;
}

bool CVLDlg::SaveSettings() {
    if (m_bSettingsNotLoaded) {
        if (!SetAsideSettingsFile(m_strSettingsPath)) {
            VL_TRACE();
            return false;
        }
        m_bSettingsNotLoaded = false;
    }
    if (!SaveSettingsFile(m_strSettingsPath, m_options)) {
        VL_TRACE();
        return false;
    }
    m_bModified = false;
    return true;
}

void CVLDlg::OptionsChangedBySetup(bool thumbnailSizeChanged, bool sizeChosen) {
    if (thumbnailSizeChanged) m_thumbs.OnThumbnailSizeChanged();
    // Edits still pending in the window stay, but not over a size the wizard confirmed;
    // the window shows the new values otherwise.
    if (m_bModified) {
        m_config.ApplyLanguage();
        if (sizeChosen) m_config.FillSizeMode();
    } else {
        FillControls();
    }
    if (!m_pSlideshow) return;
    m_pSlideshow->OptionsChanged();
    HandDisplaySettings();
}

void CVLDlg::SaveSettingsKeepingEdits() {
    const bool modified = m_bModified;
    SaveSettings();
    m_bModified = modified;
}

bool CVLDlg::TakeValuesFromControls() {
    if (!m_config.TakeValues()) return false;
    m_thumbs.TakeMode(m_options);
    // The slideshow plays the list as confirmed, also when only its order changed.
    if (m_list.TakeRows(m_options.m_images)) ResetDisplayList();
    return true;
}

// ---------------------------------------------------------------------------------------
// Slideshow host

bool CVLDlg::IsConfigWindowVisible() const {
    return m_hMainWnd && IsWindowVisible(m_hMainWnd);
}

bool CVLDlg::IsScreenSaverRunning() const {
    return ::IsScreenSaverRunning();
}

int CVLDlg::DesktopColorDepth() const {
    return ::DesktopColorDepth();
}

void RunMainWindow(bool startHidden, const std::function<void()>& ended) {
    std::unique_ptr<CVLDlg> dlg(new CVLDlg(startHidden));
    dlg->DoModal();
    ended();
    // The settings are saved and the tray icon is gone. Ended at once, with no library
    // shut down either: the thread may hold a lock that shutting down would wait for.
    if (dlg->ThreadsLeftRunning()) TerminateProcess(GetCurrentProcess(), 0);
}

void CVLDlg::SetSlideshowTimer(uint32_t periodMs) {
    ::SetTimer(m_hWnd, TIMER_SLIDESHOW, periodMs, nullptr);
}

void CVLDlg::KillSlideshowTimer() {
    ::KillTimer(m_hWnd, TIMER_SLIDESHOW);
}

void CVLDlg::UpdateTrayIcon(bool enabled) {
    m_tray.ChangeIcon(enabled ? m_hIcon : m_hIconDisabled);
}

void CVLDlg::SelectOpacityItem(int index) {
    m_config.SelectOpacityItem(index);
}

// ---------------------------------------------------------------------------------------
// Shutdown

void CVLDlg::OnDestroy() {
    // Saved first: a thread that does not stop may mean ending the process at once.
    SaveSettings();
    CPaintLibThumbnailGenerater::SetMessageFn(nullptr);
    if (!m_thumbs.Stop()) m_bThreadsLeftRunning = true;
    FreeConfigWindowObjects();
    UnregisterHotKeysStep();
    StopFolderWatcher();
}

void CVLDlg::FreeConfigWindowObjects() {
    m_config.Destroy();
}

void CVLDlg::UnregisterHotKeysStep() {
    UnregisterHotKeys(m_hWnd);
}

void CVLDlg::StopFolderWatcher() {
    // The worker too, as its rebuild starts the watcher. Exit ends within 3 s, whatever a
    // thread waits for on an unreachable share.
    const uint32_t kStopMs = 2000;
    if (m_pSlideshow ? StopBackgroundThreads(*m_pSlideshow, m_watcher, kStopMs) : m_watcher.StopWithin(kStopMs)) return;
    m_bThreadsLeftRunning = true;
    m_tray.RemoveIcon();
}
