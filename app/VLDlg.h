// The main window: at once the configuration window and the hub that owns the settings,
// the slideshow, the display window, the tray icon, the hotkeys and the folder watcher
// for the whole run. Members are grouped by the subsystem that uses them.
#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "app/MainMessages.h"
#include "app/OnlineServices.h"
#include "app/SystemTray.h"
#include "display/ImageDisplay.h"
#include "display/Slideshow.h"
#include "imageinfo/ImageInfo.h"
#include "imagelist/DisplayList.h"
#include "imagelist/FileSystem_win.h"
#include "imagelist/Rebuild.h"
#include "imagelist/Watch_win.h"
#include "settings/OptionData.h"
#include "ui/ConfigWindow.h"
#include "ui/HelpTopicDialog.h"
#include "ui/ImageListCommands.h"
#include "ui/SetupCommands.h"
#include "ui/ThumbnailView.h"

class CVLDlg : public CHelpTopicDialog,
               private ISlideshowHost,
               private IConfigWindowHost,
               private IImageListHost,
               private ISetupHost {
public:
    explicit CVLDlg(bool startHidden);
    ~CVLDlg() override;

    // A message box with the text of a key of section "Strings" of the current language,
    // captioned with the product name; -1 (and a trace) when the key is missing.
    int LangMessageBox(const char* key, UINT flags) override;

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

private:
    // --- Start-up steps, in their order ---
    void InitSystemMenuAndIcons();
    void SizeConfigWindow();
    void LoadSettingsStep();
    void ApplyAutoStartStep();
    void LoadLanguageStep();
    void RestoreSlideshowPosition();
    void FillControls();
    bool CreateDisplayWindow();
    bool SetUpConfigWindow();
    bool StartImageWorker();
    void FinishConfigWindow();
    void CreateTrayIcon();
    bool LoadThumbnailPlugin();
    void StartSlideshowTimer();
    void ApplyStartMode();
    void StartOnlineChecks();
    void CreateImageInfoReaders();
    void RegisterHotKeysStep();
    void StartFolderWatcher();

    // --- Message and command tables, one per subsystem ---
    void MapShellMessages();
    void MapSlideshowCommands();
    void MapConfigWindowCommands();
    void MapTrayMessages();
    void MapHotKeyMessages();
    void MapLanguageCommands();
    void MapOnlineMessages();

    // --- Shell: start-up, shutdown, showing and hiding ---
    void OnStartHidden();
    void OnQuitInstance();
    bool OnDisplayChange(WPARAM bitsPerPixel);
    void OnExit();
    // The session ends (log-off, shutdown): what OnDestroy would do, as far as it matters.
    void OnEndSession();
    void OnAbout();
    void ShowConfigWindow();
    void HideConfigWindow();
    void HandDisplaySettings();

    // --- Tray menu and hotkeys ---
    void PrepareTrayMenu(HMENU menu);
    void OnLanguageCommand(UINT id);
    // WM_HOTKEY: true when the message is fully handled (no default processing).
    bool OnHotKey(WPARAM id);

    // --- Settings ---
    bool LoadSettings();
    // The settings file into options, which stay as they were when it cannot be read.
    bool LoadSettingsInto(COptionData& options);
    bool SaveSettings();

    bool TakeValuesFromControls();

    // --- Slideshow host (ISlideshowHost) ---
    bool IsConfigWindowVisible() const override;
    bool IsScreenSaverRunning() const override;
    int DesktopColorDepth() const override;
    void SetSlideshowTimer(uint32_t periodMs) override;
    void KillSlideshowTimer() override;
    void UpdateTrayIcon(bool enabled) override;
    void SelectOpacityItem(int index) override;
    void SetModified() override { m_bModified = true; }

    // --- Configuration window host (IConfigWindowHost) and preferences (ISetupHost) ---
    COptionData& Options() override { return m_options; }
    void SaveSettingsKeepingEdits() override;
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
    void FreeConfigWindowObjects();
    void UnregisterHotKeysStep();
    void StopFolderWatcher();

    // Settings
    COptionData m_options;
    std::string m_strSettingsPath;
    bool m_bModified = false;
    bool m_bSettingsNotLoaded = false;  // the file there is set aside before the next save

    // Shell
    bool m_bStartHidden;
    bool m_bThreadsLeftRunning = false;
    HWND m_hMainWnd = nullptr;  // kept for the worker, which may ask after the window is gone
    HICON m_hIcon = nullptr;
    HICON m_hIconDisabled = nullptr;

    // Display window
    std::unique_ptr<IImageDisplay> m_pDisplay;

    // Folder watcher and the rebuild that fills it; the slideshow's worker rebuilds, so
    // both are declared before the slideshow and outlive its worker.
    CFolderWatcher m_watcher{Win32ChangeNotifier()};
    CDisplayListRebuild m_rebuild{Win32DirectorySearch(), &m_watcher};

    // Slideshow: declared after what it uses, so that its worker ends first.
    CDisplayList m_displayList;
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
