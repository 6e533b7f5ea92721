#include "ui/QuickSetupWizard.h"

#include <vector>

#include "res/SetupIds.h"
#include "base/Trace.h"
#include "lang/LangMessageBox_win.h"
#include "lang/MenuText.h"
#include "settings/Version.h"
#include "ui/core/SetupPages.h"
#include "ui/core/SetupTexts.h"
#include "ui/core/SpeedTest.h"

namespace {

UiRect ChildPlace(HWND parent, int id) {
    RECT rc = {0, 0, 0, 0};
    GetWindowRect(GetDlgItem(parent, id), &rc);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rc), 2);
    return UiRect{rc.left, rc.top, rc.right, rc.bottom};
}

void MoveChildBy(HWND parent, int id, int dx) {
    HWND child = GetDlgItem(parent, id);
    if (!child || dx == 0) return;
    const UiRect r = ChildPlace(parent, id);
    SetWindowPos(child, nullptr, r.left + dx, r.top, 0, 0, SWP_NOZORDER | SWP_NOSIZE | SWP_NOACTIVATE);
}

}  // namespace

// ---------------------------------------------------------------------------------------
// Every page

CQSPage::CQSPage(UINT templateId, CQuickSetupWizard& wizard) : CContentsHelpPage(templateId), m_wizard(wizard) {}

BOOL CQSPage::OnInitDialog() {
    // 77 x 150 dialog units, as the template places it.
    if (!m_picture.Show(m_hWnd, IDC_QS_PICTURE, IDB_WIZARD, 77, 150)) VL_TRACE();
    OnInitPage();
    return TRUE;
}

TextLookup CQSPage::Lookup() const {
    return m_wizard.Lookup();
}

bool CQSPage::OnSetActive() {
    if (HWND sheet = GetParent(m_hWnd)) SetWindowTextA(sheet, m_wizard.CaptionText().c_str());
    m_wizard.SetWizardButtons(WizardButtons());
    return true;
}

bool CQSPage::OnQueryCancel() {
    return m_wizard.ConfirmCancel();
}

// ---------------------------------------------------------------------------------------
// Welcome

CQSWelcomePage::CQSWelcomePage(CQuickSetupWizard& wizard) : CQSPage(IDD_QS_WELCOME, wizard) {}

void CQSWelcomePage::OnInitPage() {
    ApplyTexts();
}

void CQSWelcomePage::ApplyTexts() {
    if (!m_hWnd) return;
    const TextLookup lookup = Lookup();
    m_texts.Apply(m_hWnd, kWelcomePageTexts, lookup);
    const std::string nameAndVersion = std::string(kProductName) + " " + FormatVersion(kVelumVersion);
    SetDlgItemTextA(m_hWnd, IDC_QS_WELCOME_TEXT,
                    FillProgramName(TextOrEnglish(lookup, kWelcomeText), nameAndVersion).c_str());
}

bool CQSWelcomePage::OnSetActive() {
    CQSPage::OnSetActive();
    ShowWindow(GetDlgItem(GetParent(m_hWnd), CPropertySheet::kBackButton), SW_HIDE);
    return true;
}

bool CQSWelcomePage::OnKillActive() {
    ShowWindow(GetDlgItem(GetParent(m_hWnd), CPropertySheet::kBackButton), SW_SHOW);
    return true;
}

// ---------------------------------------------------------------------------------------
// Language

CQSLanguageSetupPage::CQSLanguageSetupPage(CQuickSetupWizard& wizard) : CQSPage(IDD_QS_LANGUAGE, wizard) {
    MapControl(IDC_QS_LANGUAGE_LIST, CBN_SELCHANGE, [this](UINT) { OnLanguageChosen(); });
}

void CQSLanguageSetupPage::OnInitPage() {
    std::vector<std::string> names;
    m_wizard.Language().GetLanguageNames(names);
    CComboBoxCtrl list(m_hWnd, IDC_QS_LANGUAGE_LIST);
    list.ResetContent();
    for (const std::string& name : names) list.AddString(name);
    m_nSelected = LanguageSelection(names, m_nSelected);
    list.SetCurSel(m_nSelected);
    ApplyTexts();
}

void CQSLanguageSetupPage::ApplyTexts() {
    if (m_hWnd) m_texts.Apply(m_hWnd, kLanguagePageTexts, Lookup());
}

void CQSLanguageSetupPage::OnLanguageChosen() {
    const int index = CComboBoxCtrl(m_hWnd, IDC_QS_LANGUAGE_LIST).CurSel();
    if (index < 0) return;
    // A file that no longer loads leaves the language, and the texts, as they were.
    if (!m_wizard.Language().LoadLanguageByIndex(index)) {
        VL_TRACE();
        return;
    }
    m_nSelected = index;
    m_bChosen = true;
    m_wizard.ApplyLanguage();
}

// ---------------------------------------------------------------------------------------
// Hotkeys

CQSHotkeySetupPage::CQSHotkeySetupPage(CQuickSetupWizard& wizard) : CQSPage(IDD_QS_HOTKEY, wizard) {}

void CQSHotkeySetupPage::OnInitPage() {
    FillHotKeyControls(m_hWnd, m_hotkeys);
    ApplyTexts();
}

void CQSHotkeySetupPage::ApplyTexts() {
    if (!m_hWnd) return;
    const TextLookup lookup = Lookup();
    m_texts.Apply(m_hWnd, kHotkeySetupPageTexts, lookup);
    m_texts.Apply(m_hWnd, kHotkeyLabelTexts, lookup);
}

bool CQSHotkeySetupPage::OnKillActive() {
    TakeHotKeyControls(m_hWnd, m_hotkeys);
    return true;
}

// ---------------------------------------------------------------------------------------
// Size and position

CQSSpeedTestPage::CQSSpeedTestPage(CQuickSetupWizard& wizard)
    : CQSPage(IDD_QS_SIZE, wizard), m_screen(PrimaryScreenRect()) {
    m_region.m_nWidth = 400;
    m_region.m_nHeight = 300;
    m_region.m_nLeft = 0;
    m_region.m_nTop = 0;
    m_region.m_nFitMode = 1;
    m_region.m_nPositionMode = 1;
    m_measure = [] { return MeasureCpuSpeed(SystemCpuCounters()).mhz; };
    MapControl(IDC_DISPLAY_SIZE, CBN_SELCHANGE, [this](UINT) { OnSizeChanged(); });
}

void CQSSpeedTestPage::OnInitPage() {
    m_picker.SetScreen(m_screen);
    if (m_picker.CreateOver(m_hWnd, IDC_POSITION_PICKER)) {
        RECT client;
        GetClientRect(m_hWnd, &client);
        const UiRect place = WizardPickerPlace(ChildPlace(m_hWnd, IDC_PICKER_HINT), client.right);
        m_picker.MoveTo(place.left, place.top);
    } else {
        VL_TRACE();
    }
    m_texts.Apply(m_hWnd, kSizePageTexts, Lookup());
    m_nMeasuredMhz = m_measure ? m_measure() : 0;
    ProposeRegion(m_nMeasuredMhz, m_screen, m_region);
    FillSizeList();
    FillControls();
}

void CQSSpeedTestPage::ApplyTexts() {
    if (!m_hWnd) return;
    // The first entry's text changes with the language; the chosen size stays chosen.
    TakeValues();
    m_texts.Apply(m_hWnd, kSizePageTexts, Lookup());
    FillSizeList();
    FillControls();
}

void CQSSpeedTestPage::FillSizeList() {
    m_sizes = BuildSizeList(m_screen.width, m_region.m_nWidth, m_region.m_nHeight);
    CComboBoxCtrl list(m_hWnd, IDC_DISPLAY_SIZE);
    list.ResetContent();
    list.AddString(TextOrEnglish(Lookup(), kFullScreenEntryText));
    for (const RegionSize& size : m_sizes.sizes) list.AddString(FormatSize(size));
}

void CQSSpeedTestPage::FillControls() {
    CComboBoxCtrl(m_hWnd, IDC_DISPLAY_SIZE).SetCurSel(m_sizes.selected);
    m_picker.SetRegionSize(m_region.m_nWidth, m_region.m_nHeight);
    m_picker.SetPosition(m_region.m_nLeft, m_region.m_nTop);
}

void CQSSpeedTestPage::TakeValues() {
    if (!m_hWnd) return;
    int width = m_region.m_nWidth, height = m_region.m_nHeight;
    TakeSize(m_sizes, CComboBoxCtrl(m_hWnd, IDC_DISPLAY_SIZE).CurSel(), width, height);
    m_region.m_nWidth = width;
    m_region.m_nHeight = height;
    const POINT at = m_picker.GetPosition();
    m_region.m_nLeft = at.x;
    m_region.m_nTop = at.y;
}

void CQSSpeedTestPage::OnSizeChanged() {
    TakeValues();
    const PickerPoint centred = CentredPosition(m_screen, m_region.m_nWidth, m_region.m_nHeight);
    m_region.m_nLeft = centred.x;
    m_region.m_nTop = centred.y;
    m_picker.SetRegionSize(m_region.m_nWidth, m_region.m_nHeight);
    m_picker.SetPosition(m_region.m_nLeft, m_region.m_nTop);
}

bool CQSSpeedTestPage::OnKillActive() {
    TakeValues();
    return true;
}

bool CQSSpeedTestPage::OnWizardFinish() {
    TakeValues();
    return true;
}

// ---------------------------------------------------------------------------------------
// The wizard

CQuickSetupWizard::CQuickSetupWizard(CLanguageManager& language)
    : CPropertySheet(FillProgramName(kWizardCaptionText.english, kProductName), true),
      m_welcome(*this),
      m_languagePage(*this),
      m_hotkeyPage(*this),
      m_sizePage(*this),
      m_language(language) {
    AddPage(m_welcome);
    AddPage(m_languagePage);
    AddPage(m_hotkeyPage);
    AddPage(m_sizePage);
    // The system retitles a wizard as its pages change; the caption stays ours.
    MapMessage(WM_SETTEXT, [this](WPARAM, LPARAM lParam, LRESULT& result) {
        const std::string caption = CaptionText();
        if (lParam && caption == reinterpret_cast<const char*>(lParam)) return false;
        result = CallOriginal(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(caption.c_str()));
        return true;
    });
}

TextLookup CQuickSetupWizard::Lookup() const {
    return m_language.Lookup();
}

std::string CQuickSetupWizard::CaptionText() const {
    return FillProgramName(TextOrEnglish(Lookup(), kWizardCaptionText), kProductName);
}

void CQuickSetupWizard::ApplyLanguage() {
    if (m_hWnd) SetWindowTextA(m_hWnd, CaptionText().c_str());
    for (CQSPage* page : {static_cast<CQSPage*>(&m_welcome), static_cast<CQSPage*>(&m_languagePage),
                          static_cast<CQSPage*>(&m_hotkeyPage), static_cast<CQSPage*>(&m_sizePage)})
        page->ApplyTexts();
}

bool CQuickSetupWizard::ConfirmCancel() const {
    const std::string question = TextOrEnglish(Lookup(), kWizardCancelText);
    return MessageText(m_hWnd, question, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void CQuickSetupWizard::OnInitSheet() {
    // The row ends where the line above it ends; without the line, at the Help button's edge.
    HWND help = GetDlgItem(m_hWnd, IDHELP);
    const int rowRight = GetDlgItem(m_hWnd, kDividerLine) ? ChildPlace(m_hWnd, kDividerLine).right
                         : help                           ? ChildPlace(m_hWnd, IDHELP).right
                                                          : 0;
    const int dx = WizardButtonShift(ChildPlace(m_hWnd, IDCANCEL), rowRight);
    if (help) ShowWindow(help, SW_HIDE);
    for (int id : {kBackButton, kNextButton, kFinishButton, IDCANCEL}) MoveChildBy(m_hWnd, id, dx);
    SetWindowTextA(m_hWnd, CaptionText().c_str());
}

CQuickSetupRun::CQuickSetupRun(COptionData& options, CLanguageManager& language, QuickSetupStart start)
    : m_options(options), m_language(language), m_start(start) {}

void CQuickSetupRun::Prepare(CQuickSetupWizard& wizard) {
    m_bHadLanguage = m_language.GetCurrentPath(m_strLanguageBefore);
    // A file that does not load leaves the current language as it was.
    if (!m_language.LoadLanguage(m_options.m_strLanguageFile)) VL_TRACE();
    wizard.m_languagePage.m_nSelected = m_language.GetCurrentIndex();
    for (int slot = 0; slot < COptionData::kUsedHotKeys; ++slot)
        wizard.m_hotkeyPage.m_hotkeys[slot] = m_options.m_hotkeys[slot];
}

void CQuickSetupRun::Store(const CQuickSetupWizard& wizard, bool finished) {
    std::string path;
    if (!finished) {
        if (m_start == QuickSetupStart::Command) {
            if (m_bHadLanguage && !m_language.LoadLanguage(m_strLanguageBefore)) VL_TRACE();
        } else if (wizard.m_languagePage.LanguageChosen() && m_language.GetCurrentPath(path)) {
            m_options.m_strLanguageFile = path;
        }
        return;
    }
    for (int slot = 0; slot < COptionData::kUsedHotKeys; ++slot)
        m_options.m_hotkeys[slot] = wizard.m_hotkeyPage.m_hotkeys[slot];
    if (m_language.GetCurrentPath(path)) m_options.m_strLanguageFile = path;
    const CDisplayRegion& region = wizard.m_sizePage.m_region;
    m_options.m_nSizeMode = ProposedSizeMode(region);
    if (m_options.m_nSizeMode == 3) m_options.m_region = region;
}

bool RunQuickSetup(HWND owner, COptionData& options, CLanguageManager& language, QuickSetupStart start) {
    CQuickSetupRun run(options, language, start);
    CQuickSetupWizard wizard(language);
    run.Prepare(wizard);
    const bool finished = wizard.DoModal(owner) == IDOK;
    run.Store(wizard, finished);
    return finished;
}
