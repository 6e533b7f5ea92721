#include "ui/SetupCommands.h"

#include "res/VelumIds.h"
#include "ui/HotKeys.h"
#include "framework/PropertySheet.h"
#include "settings/SettingsSystem_win.h"
#include "ui/OptionSheet.h"
#include "ui/QuickSetupWizard.h"

CSetupCommands::CSetupCommands(ISetupHost& host, CLanguageManager& language) : m_host(host), m_language(language) {
    MapCommand(ID_PREFERENCES, [this](UINT) { OnPreferences(); });
    MapCommand(ID_QUICK_SETUP, [this](UINT) { OnQuickSetup(); });
}

HWND CSetupCommands::Owner() const {
    // A hidden owner would leave the sheet without a taskbar button.
    return m_hMain && IsWindowVisible(m_hMain) ? m_hMain : nullptr;
}

void CSetupCommands::OnPreferences() {
    if (CPropertySheet::BringOpenToFront()) return;
    // Released first, so that the sheet's hotkey fields can take the combinations in use.
    UnregisterHotKeys(m_hMain);
    const TextLookup lookup = m_language.Lookup();
    COptionData& options = m_host.Options();
    const PreferencesOutcome outcome = RunPreferencesSheet(Owner(), options, lookup);
    if (outcome.confirmed) {
        m_host.SaveSettingsKeepingEdits();
        ApplyAutoStart(options);
    }
    // Confirmed: the new values; cancelled: the old ones again.
    RegisterHotKeys(m_hMain, options);
    if (outcome.confirmed) m_host.OptionsChangedBySetup(outcome.thumbSizeChanged, false);
}

void CSetupCommands::OnQuickSetup() {
    if (CPropertySheet::BringOpenToFront()) return;
    UnregisterHotKeys(m_hMain);
    COptionData& options = m_host.Options();
    const bool finished = RunQuickSetup(Owner(), options, m_language, QuickSetupStart::Command);
    if (finished) m_host.SaveSettingsKeepingEdits();
    // Either ending: the hotkeys work again, and whatever the wizard stored takes effect.
    RegisterHotKeys(m_hMain, options);
    m_host.OptionsChangedBySetup(false, finished);
}

void CSetupCommands::RunFirstStartWizard() {
    UnregisterHotKeys(m_hMain);
    RunQuickSetup(nullptr, m_host.Options(), m_language, QuickSetupStart::FirstStart);
}
