#include "app/VLDlg.h"

#include <shellapi.h>

#include <memory>

#include "res/TrayIds.h"
#include "res/VelumIds.h"
#include "app/AboutDlg.h"
#include "base/Sync.h"
#include "lang/LangKeys.h"
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
#include "settings/SettingsSystem_win.h"
#include "ui/ConfigWindow.h"
#include "ui/core/OptionControls.h"
#include "framework/PropertySheet.h"
#include "base/ResString_win.h"

CVLDlg::CVLDlg(bool startHidden)
    : CHelpTopicDialog(IDD_VL_DIALOG, kHelpConfigWindow),
      m_store(UserSettingsPath()),
      m_bStartHidden(startHidden),
      m_config(*this, GetLanguageManager()),
      m_setup(*this, GetLanguageManager()),
      m_list(*this, GetLanguageManager()) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    m_tray.SetStateIcons(LoadIconA(instance, MAKEINTRESOURCEA(IDR_MAINFRAME)),
                         LoadIconA(instance, MAKEINTRESOURCEA(IDI_DISABLED)));
    // Accelerators of the configuration window: loaded with the configuration window.
    MapShellMessages();
    MapSlideshowCommands();
    MapTrayMessages();
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
    m_setup.Attach(m_hWnd);
    InitSystemMenuAndIcons();
    // Titled and marked before the first-start wizard, so that a second start and "-u" find it.
    SetWindowTextA(m_hWnd, kProductName);
    SetPropA(m_hWnd, kMainWindowMarker, reinterpret_cast<HANDLE>(1));
    CreateConfigWindow();
    LoadSettingsStep();
    // Registry failures only leave the trace.
    ApplyAutoStart(m_options);
    LoadLanguageStep();
    FillControls();
    // A missing plug-in is told in the language, over this window.
    CPaintLibThumbnailGenerater::SetMessageFn([this] { LangMessageBox(strkey::kPluginMissing, MB_OK | MB_ICONHAND); });
    // An exit asked for while the first-start wizard showed: nothing more is started.
    if (m_exit.RunIfDue() && IsEndRequested()) return TRUE;
    if (!m_bConfigReady || !CreateDisplayWindow()) {
        VL_TRACE();
        EndDialog(IDCANCEL);
        return TRUE;
    }
    CreateTrayIcon();
    if (!CreateThumbnailView()) {
        VL_TRACE();
        EndDialog(IDCANCEL);
        return TRUE;
    }
    StartSlideshowTimer();
    ApplyStartMode();
    m_online.Start(m_hWnd);
    m_store.StartupDone();
    m_pReaders.reset(new CImageInfoReaders());
    // A combination another program holds only leaves a trace naming its slot.
    RegisterHotKeys(m_hWnd, m_options);
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
    const LPARAM icon = reinterpret_cast<LPARAM>(m_tray.StateIcon(true));
    SendMessageA(m_hWnd, WM_SETICON, ICON_BIG, icon);
    SendMessageA(m_hWnd, WM_SETICON, ICON_SMALL, icon);
}

void CVLDlg::CreateConfigWindow() {
    m_bConfigReady = m_config.Attach(m_hWnd);
    if (!m_list.Attach(m_hWnd)) m_bConfigReady = false;
}

void CVLDlg::LoadSettingsStep() {
    const SettingsLoad loaded = m_store.Load();
    if (loaded != SettingsLoad::Loaded) m_options.SetDefaults();
    // A file another program holds open is the user's all the same: no first start, and it
    // is read as soon as it is free.
    if (loaded == SettingsLoad::Busy) {
        SetTimer(m_hWnd, kPendingSettingsTimer, kPendingSettingsRetryMs, nullptr);
    } else if (loaded != SettingsLoad::Loaded) {
        m_setup.RunFirstStartWizard();
    }
    // Every run starts with the slideshow on; the saved m_nNextIndex is taken over when the
    // slideshow is created (CreateDisplayWindow).
    m_options.m_bEnabled = 1;
}

void CVLDlg::LoadLanguageStep() {
    // A stored file that has gone falls back to the program's own, so that no message is
    // blank; the settings keep the file that loaded.
    if (!GetLanguageManager().LoadLanguageOrFallback(m_options.m_strLanguageFile)) VL_TRACE();
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
    m_pSystem.reset(new CWinSlideshowSystem(m_hWnd));
    m_pSlideshow.reset(new CSlideshow(m_options, m_displayList, *m_pDisplay, *m_pSystem, *this, SystemClock()));
    // The rebuild runs on the UI thread (a tick with an empty list) or on the worker (once
    // folder changes have been quiet); the slideshow keeps the busy flag and the stamp.
    m_watcher.SetOwner(FolderChangedPoster(m_hWnd));
    m_pSlideshow->SetRebuild([this](const std::vector<CImageItem>& images) { return m_rebuild.BuildPaths(images); });
    const HWND self = m_hWnd;
    m_pSlideshow->SetRebuildEnded([self] { PostMessageA(self, WM_DISPLAYLIST_READY, 0, 0); });
    m_pSlideshow->RestoreNextIndex();
    m_pSlideshow->OptionsChanged();
    return m_pSlideshow->StartWorker();
}

void CVLDlg::CreateTrayIcon() {
    std::string tip = LoadResString(IDS_TRAY_TIP);
    // Without the icon the program stays reachable by a second start and the hotkeys.
    if (!m_tray.AddIcon(m_hWnd, tip.c_str(), m_tray.StateIcon(m_options.m_bEnabled != 0), IDR_TRAYMENU)) VL_TRACE();
    m_tray.SetDefaultCommand(ID_CONFIGURE, false);
}

bool CVLDlg::CreateThumbnailView() {
    if (!m_thumbs.Attach(m_hWnd)) return false;
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
    MapMessageTaken(WM_QUIT_INSTANCE, [this](WPARAM, LPARAM) { OnQuitInstance(); });
    // At log-off and shutdown Windows ends the process without destroying this window.
    MapMessage(WM_QUERYENDSESSION, [](WPARAM, LPARAM, LRESULT& result) {
        result = TRUE;
        return true;
    });
    MapMessageTaken(WM_ENDSESSION, [this](WPARAM ending, LPARAM) {
        if (ending) OnEndSession();
    });
    MapMessage(WM_DISPLAYCHANGE, [this](WPARAM wParam, LPARAM, LRESULT& result) {
        result = 0;
        return OnDisplayChange(wParam);
    });
    MapMessageTaken(WM_CLOSE, [this](WPARAM, LPARAM) { OnOK(); });
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
    MapMessageTaken(WM_FOLDERCHANGED, [this](WPARAM, LPARAM) {
        if (m_pSlideshow) m_pSlideshow->OnFolderChanged();
    });
    MapMessageTaken(WM_DISPLAYLIST_READY, [this](WPARAM, LPARAM) {
        if (m_pSlideshow) m_pSlideshow->OnRebuildEnded();
    });
    MapMessage(WM_HOTKEY, [this](WPARAM wParam, LPARAM, LRESULT& result) {
        result = 0;
        return OnHotKey(wParam);
    });
    for (const SlideshowAction& action : kSlideshowActions) {
        MapCommand(action.command, [this, &action](UINT) {
            if (m_pSlideshow) (m_pSlideshow.get()->*action.run)();
        });
    }
}

void CVLDlg::MapTrayMessages() {
    MapMessage(WM_TRAY_NOTIFY, [this](WPARAM wParam, LPARAM lParam, LRESULT&) {
        m_tray.HandleIconMessage(wParam, lParam);
        return false;
    });
    MapMessageTaken(WM_TRAY_MENU, [this](WPARAM menu, LPARAM) {
        if (m_tray.IsOpeningMenu(reinterpret_cast<HMENU>(menu)))
            PrepareTrayMenu(reinterpret_cast<HMENU>(menu), m_options, CurrentLanguageLookup());
    });
    // The wallpaper sites of the tray menu's submenu.
    MapCommandRange(ID_SITE_FIRST, ID_SITE_LAST, [this](UINT id) { OpenSite(m_hWnd, m_options, id); });
}

bool CVLDlg::OnHotKey(WPARAM id) {
    const SlideshowAction* action = SlideshowActionOfHotKey(static_cast<int>(id));
    if (!m_pSlideshow || !action) return false;
    (m_pSlideshow.get()->*action->run)();
    return action->hotKeyHandled;
}

void CVLDlg::MapLanguageCommands() {
    // The language submenu's items. The path of the language in use is kept in
    // m_strLanguageFile and saved with the next save, not at once: a save now would clear the
    // modified flag and Exit would drop the edits still pending.
    MapCommandRange(ID_LANGUAGE_FIRST, ID_LANGUAGE_LAST, [this](UINT id) {
        SwitchLanguageByCommand(GetLanguageManager(), id, m_options.m_strLanguageFile);
        m_config.ApplyLanguage();
    });
}

void CVLDlg::MapOnlineMessages() {
    MapMessageTaken(WM_UPDATE_CHECKED, [this](WPARAM, LPARAM) { m_online.OnUpdateChecked(); });
    MapMessageTaken(WM_SITELIST_READY, [this](WPARAM, LPARAM) {
        if (m_online.OnSiteListReady()) m_store.SetModified(true);
    });
    MapCommand(ID_WEB_PAGE, [this](UINT) { OpenWebPage(m_hWnd, kHomePageAddress); });
    MapCommand(ID_GET_LANGUAGE_PACK, [this](UINT) { OpenWebPage(m_hWnd, kLanguagePackPageAddress); });
}

// ---------------------------------------------------------------------------------------
// Shell

void CVLDlg::OnTimer(UINT_PTR id) {
    if (id == TIMER_SLIDESHOW && m_pSlideshow) m_pSlideshow->Tick();
    // Not under a sheet or a message box, nor over edits the window has not confirmed.
    const bool editing = m_config.IsVisible() && m_store.IsModified();
    if (id == kPendingSettingsTimer && IsWindowEnabled(m_hWnd) && !CPropertySheet::Open() && !editing &&
        TakePendingSettings())
        SaveTold(m_store.SaveKeepingEdits(), false);
    m_online.OnTimer(id);
}

bool CVLDlg::PreTranslateMessage(MSG& msg) {
    return m_config.TranslateKeys(msg);
}

void CVLDlg::OnStartHidden() {
    m_config.Hide();
    HandDisplaySettings();
    FillControls();
    if (m_options.m_bEnabled && m_pSlideshow) m_pSlideshow->StartSlideshow();
}

void CVLDlg::OnQuitInstance() {
    m_exit.Request(m_hWnd, [this] {
        EndDialog(IDOK);
        PostQuitMessage(0);
    });
}

bool CVLDlg::OnDisplayChange(WPARAM bitsPerPixel) {
    if (bitsPerPixel >= 16) return false;
    if (LangMessageBox(strkey::kNeedMoreColours, MB_YESNO) == IDYES) OpenDisplaySettings();
    return true;
}

void CVLDlg::OnExit() {
    m_exit.Request(m_hWnd, [this] {
        if (m_store.IsModified()) {
            if (!TakeValuesFromControls()) return;
            if (m_store.IsPending()) TakePendingSettings();
            if (!SaveTold(m_store.Save(), true)) return;
        }
        m_list.List().DeleteAllRows();
        m_config.Hide();
        EndDialog(IDOK);
    });
}

void CVLDlg::OnEndSession() {
    // The process may be ended at any moment after this returns; where it is not, it ends
    // as on "-u".
    m_store.Save();
    UnregisterHotKeys(m_hWnd);
    OnQuitInstance();
}

void CVLDlg::OnAbout() {
    CAboutDlg about(CurrentLanguageLookup());
    about.DoModal(m_hWnd);
}

void CVLDlg::OnOK() {
    if (!TakeValuesFromControls()) return;
    m_config.Hide();
    if (m_store.IsModified() && m_pSlideshow) {
        m_pSystem->KillSlideshowTimer();
        m_pSlideshow->OptionsChanged();
        HandDisplaySettings();
        m_pSlideshow->SetTimer();
    }
    if (m_options.m_bEnabled && m_pSlideshow) m_pSlideshow->StartSlideshow();
    if (m_store.IsPending()) TakePendingSettings();
    SaveTold(m_store.Save(), false);
}

void CVLDlg::OnCancel() {
    m_config.Hide();
    // Without a readable settings file only this window's edits go back.
    if (m_store.Revert() != SettingsLoad::Loaded) m_config.RestoreShownValues();
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

void CVLDlg::HandDisplaySettings() {
    if (!m_pDisplay) return;
    m_pDisplay->SetSizeMode(m_options.m_nSizeMode);
    m_pDisplay->SetRegion(m_options.m_region);
}

// ---------------------------------------------------------------------------------------
// Slideshow owner

void CVLDlg::OpacityChanged(int32_t opacity) {
    m_store.SetModified(true);
    m_config.SelectOpacityItem(OpacityIndex(opacity));
}

// ---------------------------------------------------------------------------------------
// Shutdown

void CVLDlg::OnDestroy() {
    // Saved first: a thread that does not stop may mean ending the process at once.
    m_store.Save();
    CPaintLibThumbnailGenerater::SetMessageFn(nullptr);
    // Every thread shares one time limit: Exit ends within 3 s, whatever a thread waits
    // for on an unreachable share.
    const Deadline deadline(2000);
    if (!m_thumbs.Stop(deadline.LeftMs())) m_bThreadsLeftRunning = true;
    if (!m_list.StopHeaderReads(deadline.LeftMs())) m_bThreadsLeftRunning = true;
    m_config.Destroy();
    UnregisterHotKeys(m_hWnd);
    StopFolderWatcher(deadline.LeftMs());
}

void CVLDlg::StopFolderWatcher(uint32_t ms) {
    // The worker too, as its rebuild starts the watcher.
    if (m_pSlideshow ? StopBackgroundThreads(*m_pSlideshow, m_watcher, ms) : m_watcher.StopWithin(ms)) return;
    m_bThreadsLeftRunning = true;
    m_tray.RemoveIcon();
}

void RunMainWindow(bool startHidden, const std::function<void()>& ended) {
    std::unique_ptr<CVLDlg> dlg(new CVLDlg(startHidden));
    dlg->DoModal();
    ended();
    // The settings are saved and the tray icon is gone. Ended at once, with no library
    // shut down either: the thread may hold a lock that shutting down would wait for.
    if (dlg->ThreadsLeftRunning()) TerminateProcess(GetCurrentProcess(), 0);
}
