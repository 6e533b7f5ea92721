// The preferences sheet: the General page (update check, pause during the screen saver,
// start with Windows, thumbnail size, fade time) and the Hotkey page (five hotkey controls). The
// sheet works on copies; the settings change only on OK.
#pragma once
#include <windows.h>

#include "framework/Controls.h"
#include "framework/PropertySheet.h"
#include "lang/TextTable.h"
#include "settings/OptionData.h"

using HotKeySlots = CHotKeyItem[COptionData::kUsedHotKeys];

// The hotkey controls 1040 to 1044 of a page, in slot order.
void FillHotKeyControls(HWND page, const HotKeySlots& hotkeys);
void TakeHotKeyControls(HWND page, HotKeySlots& hotkeys);

// A page whose help request (F1) shows the help file's contents.
class CContentsHelpPage : public CPropertyPage {
public:
    explicit CContentsHelpPage(UINT templateId);
};

class CGeneralOptionPage : public CContentsHelpPage {
public:
    explicit CGeneralOptionPage(TextLookup lookup);

    int32_t m_bCheckUpdate = 0;
    int32_t m_bPauseOnScreenSaver = 0;
    int32_t m_bAutoStart = 0;
    int32_t m_nThumbWidth = 64;
    int32_t m_nThumbHeight = 64;
    int32_t m_nFadeMs = COptionData::kDefaultFadeMs;

protected:
    BOOL OnInitDialog() override;
    bool OnKillActive() override;
    bool OnApply() override;

private:
    void TakeValues();

    TextLookup m_lookup;
    CWindowTexts m_texts;
};

class CHotKeyOptionPage : public CContentsHelpPage {
public:
    explicit CHotKeyOptionPage(TextLookup lookup);

    HotKeySlots m_hotkeys;

protected:
    BOOL OnInitDialog() override;
    bool OnKillActive() override;
    bool OnApply() override;

private:
    TextLookup m_lookup;
    CWindowTexts m_texts;
};

class COptionSheet : public CPropertySheet {
public:
    explicit COptionSheet(const TextLookup& lookup);

    // The five preferences and hotkey slots 0 to 4, into the pages and back.
    void CopyFrom(const COptionData& options);
    void CopyTo(COptionData& options) const;

    CGeneralOptionPage m_general;
    CHotKeyOptionPage m_hotkey;

protected:
    void OnInitSheet() override;
    // Page Up and Page Down, with any modifiers, are hotkeys to type, not page turns.
    bool PassKeyToControl(const MSG& msg) const override;
};

// What the Preferences command did.
struct PreferencesOutcome {
    bool confirmed = false;
    bool thumbSizeChanged = false;
};

// Runs the sheet modally on options; OK copies the values back. owner may be null.
PreferencesOutcome RunPreferencesSheet(HWND owner, COptionData& options, const TextLookup& lookup);
