// The Preferences command (32775) and the quick setup wizard (a first start, command
// 32792) of the main window: one sheet or wizard at a time, the global hotkeys released
// while either is open and registered again when it closes. Works on the main window's
// message map (chained) and reaches the hub only through ISetupHost.
#pragma once
#include <windows.h>

#include "framework/MessageMap.h"
#include "lang/LanguageManager.h"
#include "settings/OptionData.h"

class ISetupHost {
public:
    virtual ~ISetupHost() = default;
    virtual COptionData& Options() = 0;
    // Saves the settings; edits still pending in the configuration window stay pending.
    virtual void SaveSettingsKeepingEdits() = 0;
    // The sheet or the wizard has ended and may have changed the options: the slideshow,
    // the display window and the configuration window take them. sizeChosen: the wizard
    // finished with a display size, which replaces one pending in the configuration window.
    virtual void OptionsChangedBySetup(bool thumbnailSizeChanged, bool sizeChosen) = 0;
};

class CSetupCommands : public CMessageMap {
public:
    CSetupCommands(ISetupHost& host, CLanguageManager& language);

    // The window that holds the hotkeys and owns the sheet while it is shown.
    void Attach(HWND main) { m_hMain = main; }
    // A first start, on the defaults. Start-up registers the hotkeys and hands the options
    // on afterwards.
    void RunFirstStartWizard();

private:
    void OnPreferences();
    void OnQuickSetup();
    HWND Owner() const;

    ISetupHost& m_host;
    CLanguageManager& m_language;
    HWND m_hMain = nullptr;
};
