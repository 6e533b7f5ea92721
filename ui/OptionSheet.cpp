#include "ui/OptionSheet.h"

#include <vector>

#include "res/SetupIds.h"
#include "ui/Help.h"
#include "ui/core/SetupPages.h"
#include "ui/core/SetupTexts.h"

namespace {

UiRect ButtonPlace(HWND sheet, int id) {
    RECT rc = {0, 0, 0, 0};
    GetWindowRect(GetDlgItem(sheet, id), &rc);
    MapWindowPoints(nullptr, sheet, reinterpret_cast<POINT*>(&rc), 2);
    return UiRect{rc.left, rc.top, rc.right, rc.bottom};
}

void MoveButton(HWND sheet, int id, const UiRect& to) {
    SetWindowPos(GetDlgItem(sheet, id), nullptr, to.left, to.top, to.Width(), to.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

bool Checked(HWND page, int id) {
    return IsDlgButtonChecked(page, id) == BST_CHECKED;
}

}  // namespace

void FillHotKeyControls(HWND page, const HotKeySlots& hotkeys) {
    for (int slot = 0; slot < COptionData::kUsedHotKeys; ++slot)
        CHotKeyCtrl(page, IDC_HOTKEY_FIRST + slot).SetHotKey(HotKeyControlValue(hotkeys[slot]));
}

void TakeHotKeyControls(HWND page, HotKeySlots& hotkeys) {
    for (int slot = 0; slot < COptionData::kUsedHotKeys; ++slot) {
        CHotKeyCtrl control(page, IDC_HOTKEY_FIRST + slot);
        if (control) hotkeys[slot] = HotKeyFromControlValue(control.HotKey());
    }
}

CContentsHelpPage::CContentsHelpPage(UINT templateId) : CPropertyPage(templateId) {
    MapMessage(WM_HELP, [](WPARAM, LPARAM, LRESULT& result) {
        ShowHelp();
        result = TRUE;
        return true;
    });
}

// ---------------------------------------------------------------------------------------
// General page

CGeneralOptionPage::CGeneralOptionPage(TextLookup lookup)
    : CContentsHelpPage(IDD_GENERAL_PAGE), m_lookup(std::move(lookup)) {
    SetTitle(TextOrEnglish(m_lookup, kGeneralPageTitle));
}

BOOL CGeneralOptionPage::OnInitDialog() {
    CheckDlgButton(m_hWnd, IDC_PREF_CHECK_UPDATE, m_bCheckUpdate ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(m_hWnd, IDC_PREF_PAUSE, m_bPauseOnScreenSaver ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(m_hWnd, IDC_PREF_AUTOSTART, m_bAutoStart ? BST_CHECKED : BST_UNCHECKED);
    CComboBoxCtrl sizes(m_hWnd, IDC_PREF_THUMB_SIZE);
    sizes.ResetContent();
    for (int i = 0; i < kThumbSizeCount; ++i) sizes.AddString(ThumbSizeEntryText(i));
    sizes.SetCurSel(ThumbSizeIndex(m_nThumbWidth));
    CComboBoxCtrl fades(m_hWnd, IDC_PREF_FADE);
    fades.ResetContent();
    for (const TextEntry& entry : kFadeEntryTexts) fades.AddString(TextOrEnglish(m_lookup, entry));
    fades.SetCurSel(FadeIndex(m_nFadeMs));
    m_texts.Apply(m_hWnd, kGeneralPageTexts, m_lookup);
    return TRUE;
}

void CGeneralOptionPage::TakeValues() {
    if (!m_hWnd) return;
    m_bCheckUpdate = Checked(m_hWnd, IDC_PREF_CHECK_UPDATE) ? 1 : 0;
    m_bPauseOnScreenSaver = Checked(m_hWnd, IDC_PREF_PAUSE) ? 1 : 0;
    m_bAutoStart = Checked(m_hWnd, IDC_PREF_AUTOSTART) ? 1 : 0;
    m_nThumbWidth = m_nThumbHeight = ThumbSizeFromIndex(CComboBoxCtrl(m_hWnd, IDC_PREF_THUMB_SIZE).CurSel());
    m_nFadeMs = FadeMsFromIndex(CComboBoxCtrl(m_hWnd, IDC_PREF_FADE).CurSel());
}

bool CGeneralOptionPage::OnKillActive() {
    TakeValues();
    return true;
}

bool CGeneralOptionPage::OnApply() {
    TakeValues();
    return true;
}

// ---------------------------------------------------------------------------------------
// Hotkey page

CHotKeyOptionPage::CHotKeyOptionPage(TextLookup lookup)
    : CContentsHelpPage(IDD_HOTKEY_PAGE), m_lookup(std::move(lookup)) {
    SetTitle(TextOrEnglish(m_lookup, kHotkeyPageTitle));
}

BOOL CHotKeyOptionPage::OnInitDialog() {
    FillHotKeyControls(m_hWnd, m_hotkeys);
    m_texts.Apply(m_hWnd, kHotkeyLabelTexts, m_lookup);
    return TRUE;
}

bool CHotKeyOptionPage::OnKillActive() {
    TakeHotKeyControls(m_hWnd, m_hotkeys);
    return true;
}

bool CHotKeyOptionPage::OnApply() {
    TakeHotKeyControls(m_hWnd, m_hotkeys);
    return true;
}

// ---------------------------------------------------------------------------------------
// The sheet

COptionSheet::COptionSheet(const TextLookup& lookup)
    : CPropertySheet(TextOrEnglish(lookup, kSheetCaptionText), false), m_general(lookup), m_hotkey(lookup) {
    AddPage(m_general);
    AddPage(m_hotkey);
}

void COptionSheet::CopyFrom(const COptionData& o) {
    m_general.m_bCheckUpdate = o.m_bCheckUpdate;
    m_general.m_bPauseOnScreenSaver = o.m_bPauseOnScreenSaver;
    m_general.m_bAutoStart = o.m_bAutoStart;
    m_general.m_nThumbWidth = o.m_nThumbWidth;
    m_general.m_nThumbHeight = o.m_nThumbHeight;
    m_general.m_nFadeMs = o.m_nFadeMs;
    for (int slot = 0; slot < COptionData::kUsedHotKeys; ++slot) m_hotkey.m_hotkeys[slot] = o.m_hotkeys[slot];
}

void COptionSheet::CopyTo(COptionData& o) const {
    o.m_bCheckUpdate = m_general.m_bCheckUpdate;
    o.m_bPauseOnScreenSaver = m_general.m_bPauseOnScreenSaver;
    o.m_bAutoStart = m_general.m_bAutoStart;
    o.m_nThumbWidth = m_general.m_nThumbWidth;
    o.m_nThumbHeight = m_general.m_nThumbHeight;
    o.m_nFadeMs = m_general.m_nFadeMs;
    for (int slot = 0; slot < COptionData::kUsedHotKeys; ++slot) o.m_hotkeys[slot] = m_hotkey.m_hotkeys[slot];
}

void COptionSheet::OnInitSheet() {
    std::vector<UiRect> row;
    // A button the system hid (Help without help) may stand anywhere, even outside.
    for (int id : {IDOK, IDCANCEL, kApplyButton, IDHELP}) {
        if (IsWindowVisible(GetDlgItem(m_hWnd, id))) row.push_back(ButtonPlace(m_hWnd, id));
    }
    UiRect ok = ButtonPlace(m_hWnd, IDOK), cancel = ButtonPlace(m_hWnd, IDCANCEL);
    RightEndButtonPlaces(row, ok, cancel);
    for (int id : {kApplyButton, IDHELP}) ShowWindow(GetDlgItem(m_hWnd, id), SW_HIDE);
    MoveButton(m_hWnd, IDOK, ok);
    MoveButton(m_hWnd, IDCANCEL, cancel);
}

bool COptionSheet::PassKeyToControl(const MSG& msg) const {
    return msg.wParam == VK_PRIOR || msg.wParam == VK_NEXT;
}

PreferencesOutcome RunPreferencesSheet(HWND owner, COptionData& options, const TextLookup& lookup) {
    PreferencesOutcome outcome;
    COptionSheet sheet(lookup);
    sheet.CopyFrom(options);
    if (sheet.DoModal(owner) != IDOK) return outcome;
    const int32_t width = options.m_nThumbWidth, height = options.m_nThumbHeight;
    sheet.CopyTo(options);
    outcome.confirmed = true;
    outcome.thumbSizeChanged = options.m_nThumbWidth != width || options.m_nThumbHeight != height;
    return outcome;
}
