// The main window: at once the configuration window and the hub that owns the settings,
// the slideshow, the display window, the tray icon, the hotkeys and the folder watcher
// for the whole run. Members are grouped by the subsystem that uses them.
#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "res/MainMessages.h"
#include "app/OnlineServices.h"
#include "app/SystemTray.h"
#include "display/ImageDisplay.h"
#include "display/Slideshow.h"
#include "display/SystemDisplay_win.h"
#include "framework/PendingExit.h"
#include "imageinfo/ImageInfo.h"
#include "imagelist/DisplayList.h"
#include "imagelist/FileSystem_win.h"
#include "imagelist/Rebuild.h"
#include "imagelist/Watch_win.h"
#include "lang/LangMessageBox_win.h"
#include "settings/OptionData.h"
#include "settings/SettingsStore.h"
#include "ui/ConfigWindow.h"
#include "ui/HelpTopicDialog.h"
#include "ui/ImageListCommands.h"
#include "ui/SetupCommands.h"
#include "ui/ThumbnailView.h"

class CVLDlg : public CHelpTopicDialog,
               private ISlideshowOwner,
               private IConfigWindowHost,
               private IImageListHost,
               private ISetupHost {
public:
    explicit CVLDlg(bool startHidden);
    ~CVLDlg() override;

    // A message box with the text of a key of section "Strings" of the current language,
    // captioned with the product name; -1 (and a trace) when the key is missing.
    int LangMessageBox(const char* key, UINT flags) override { return ::LangMessageBox(m_hWnd, key, flags); }

    // After the dialog ended: a thread is still inside a call that does not return, so
    // what it uses must not be freed; the process has to end without destroying it.
    bool ThreadsLeftRunning() const { return m_bThreadsLeftRunning; }

protected:
    BOOL OnInitDialog() override;
    void OnTimer(UINT_PTR id) override;
    void OnDestroy() override;
    void OnOK() override;
    void OnCancel() override;
    bool PreTranslateMessage(MSG& msg) override;
    // An exit asked for inside a nested loop runs here, once that loop has returned.
    void BeforeNextMessage() override { m_exit.RunIfDue(); }

private:
    // Local to this window: the other timers are the slideshow's and the online services'.
    static constexpr UINT_PTR kPendingSettingsTimer = 1101;
    static constexpr UINT kPendingSettingsRetryMs = 1000;
    // --- Start-up steps, in their order ---
    void InitSystemMenuAndIcons();
    void CreateConfigWindow();
    void LoadSettingsStep();
    void LoadLanguageStep();
    void FillControls();
    // The display window, the slideshow that shows on it and the slideshow's worker.
    bool CreateDisplayWindow();
    void CreateTrayIcon();
    bool CreateThumbnailView();
    void StartSlideshowTimer();
    void ApplyStartMode();
    void StartFolderWatcher();

    // --- Message and command tables, one per subsystem ---
    void MapShellMessages();
    void MapSlideshowCommands();
    void MapTrayMessages();
    void MapLanguageCommands();
    void MapOnlineMessages();

    // --- Shell: start-up, shutdown, showing and hiding ---
    void OnStartHidden();
    // "-u", log-off and shutdown: the nested windows go as cancelled, then the dialog ends.
    void OnQuitInstance();
    bool OnDisplayChange(WPARAM bitsPerPixel);
    void OnExit();
    // The session ends (log-off, shutdown): what OnDestroy would do, as far as it matters.
    void OnEndSession();
    void OnAbout();
    void ShowConfigWindow();
    void HandDisplaySettings();

    // --- Tray menu and hotkeys ---
    // WM_HOTKEY: true when the message is fully handled (no default processing).
    bool OnHotKey(WPARAM id);

    bool TakeValuesFromControls();
    // The settings file another program held at start-up, once it is free; true when the
    // changes made meanwhile are to be saved over it.
    bool TakePendingSettings();
    // A failed save is told; at Exit the user is asked whether to end all the same (false:
    // not). At log-off and on "-u" nobody can answer: those saves leave a trace only.
    bool SaveTold(SettingsSave result, bool exiting);

    // --- Slideshow owner (ISlideshowOwner) ---
    bool IsConfigWindowVisible() const override { return m_hMainWnd && IsWindowVisible(m_hMainWnd); }
    void EnabledChanged(bool enabled) override { m_tray.ShowState(enabled); }
    void OpacityChanged(int32_t opacity) override;

    // --- Configuration window host (IConfigWindowHost) and preferences (ISetupHost) ---
    COptionData& Options() override { return m_options; }
    void SetModified() override { m_store.SetModified(true); }
    void SaveSettingsKeepingEdits() override { SaveTold(m_store.SaveKeepingEdits(), false); }
    void OptionsChangedBySetup(bool thumbnailSizeChanged, bool sizeChosen) override;

    // --- Image list view host (IImageListHost) ---
    void ResetDisplayList() override {
        if (m_pSlideshow) m_pSlideshow->ResetDisplayList();
    }
    void GetImageInfo(const std::string& path, int32_t& width, int32_t& height, int32_t& depth) override {
        width = 0;
        if (m_pReaders) m_pReaders->GetImageInfo(path, width, height, depth);
    }

    // --- Shutdown of the subsystems ---
    void StopFolderWatcher(uint32_t ms);

    // Settings
    CSettingsStore m_store;
    COptionData& m_options = m_store.Options();

    // Shell
    bool m_bStartHidden;
    bool m_bThreadsLeftRunning = false;
    CPendingExit m_exit;
    HWND m_hMainWnd = nullptr;  // kept for the worker, which may ask after the window is gone

    // Display window
    std::unique_ptr<IImageDisplay> m_pDisplay;

    // Folder watcher and the rebuild that fills it; the slideshow's worker rebuilds, so
    // both are declared before the slideshow and outlive its worker.
    CFolderWatcher m_watcher{Win32ChangeNotifier()};
    CDisplayListRebuild m_rebuild{Win32DirectorySearch(), &m_watcher};

    // Slideshow: declared after what it uses, so that its worker ends first.
    CDisplayList m_displayList;
    std::unique_ptr<CWinSlideshowSystem> m_pSystem;
    std::unique_ptr<CSlideshow> m_pSlideshow;

    // Tray icon
    CSystemTray m_tray;

    // Configuration window
    CConfigWindow m_config;
    CSetupCommands m_setup;
    bool m_bConfigReady = false;

    // Image list view and thumbnail plug-in
    CImageListCommands m_list;
    CThumbnailView m_thumbs{*this, m_list.List(), GetLanguageManager()};
    std::unique_ptr<CImageInfoReaders> m_pReaders;

    // Online services
    COnlineServices m_online{m_options};
};
