#include "ui/ConfigWindow.h"

#include <commctrl.h>

#include "res/ArtIds.h"
#include "res/ConfigIds.h"
#include "base/Trace.h"
#include "lang/LangKeys.h"
#include "lang/LangMessageBox_win.h"
#include "ui/ImageSizeCustomDlg.h"
#include "ui/core/ConfigLayout.h"
#include "ui/core/ConfigTexts.h"
#include "ui/core/SectionFont.h"
#include "ui/core/OptionControls.h"
#include "base/ResString_win.h"

CConfigWindow::CConfigWindow(IConfigWindowHost& host, const CLanguageManager& language)
    : m_host(host), m_language(language) {
    MapFrameMessages();
    MapControls();
}

CConfigWindow::~CConfigWindow() {
    Destroy();
}

// ---------------------------------------------------------------------------------------
// Creation

bool CConfigWindow::Attach(HWND window) {
    m_hWnd = window;
    SetWindowPos(window, nullptr, 0, 0, kConfigMinWidth, kConfigMinHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    RECT work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    SetWindowPos(window, nullptr, work.left + (work.right - work.left - kConfigMinWidth) / 2,
                 work.top + (work.bottom - work.top - kConfigMinHeight) / 2, 0, 0,
                 SWP_NOZORDER | SWP_NOSIZE | SWP_NOACTIVATE);
    CreateDialogFont();
    TakeOverControls();
    if (!m_keys.Load()) VL_TRACE();
    CComboBoxCtrl opacity(window, IDC_OPACITY);
    opacity.ResetContent();
    for (int i = 0; i < kOpacityEntries; ++i) opacity.AddString(OpacityEntryText(i));
    bool panels = CreatePanels();
    CreateToolTips();
    CButtonStyle title;
    title.m_strFace = "Arial";
    title.m_nHeight = LanguageFontHeight(14);
    title.m_nWeight = 400;
    m_titleFont.Create(title);
    RECT rc;
    GetClientRect(window, &rc);
    ApplyShape(rc.right, rc.bottom);
    ApplyLayout(rc.right, rc.bottom);
    if (!panels) VL_TRACE();
    return panels;
}

void CConfigWindow::Destroy() {
    m_buttons.clear();
    m_commandButtons.clear();
    m_pListModeButton = nullptr;
    if (m_hToolTip) {
        DestroyWindow(m_hToolTip);
        m_hToolTip = nullptr;
    }
    if (m_hDialogFont) {
        // The controls may outlive this object for a moment; they fall back to the system font.
        DeleteObject(m_hDialogFont);
        m_hDialogFont = nullptr;
    }
}

void CConfigWindow::CreateDialogFont() {
    HDC screen = GetDC(nullptr);
    int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen) ReleaseDC(nullptr, screen);
    LOGFONTA lf{};
    lf.lfHeight = PointFontHeight(DialogFontTenths(dpi), dpi);
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(lf.lfFaceName, "MS Sans Serif", LF_FACESIZE);
    m_hDialogFont = CreateFontIndirectA(&lf);
    if (!m_hDialogFont) return;
    SendMessageA(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(m_hDialogFont), FALSE);
    for (int id : {IDC_INTERVAL, IDC_OPACITY, IDC_SEQUENCE, IDC_SIZE_MODE, IDC_INTERVAL_SPIN, IDC_IMAGE_LIST})
        CControl(m_hWnd, id).SetFont(m_hDialogFont, false);
}

void CConfigWindow::TakeOverControls() {
    for (int id : {IDC_ADD, IDC_REMOVE, IDC_CLEAR, IDOK, IDCANCEL, IDC_LIST_MODE}) {
        auto button = std::make_unique<CSkinButton>(m_skin);
        if (!button->Attach(m_hWnd, id)) VL_TRACE();
        if (id == IDC_LIST_MODE) {
            m_pListModeButton = button.get();
        } else {
            m_commandButtons.push_back(button.get());
        }
        m_buttons.push_back(std::move(button));
    }
    struct Caption {
        int id, up, down;
        UINT fallback;
    };
    for (const Caption& c : {Caption{IDC_SYSTEM_BUTTON, IDB_SYSBTN_UP, IDB_SYSBTN_DOWN, DFCS_CAPTIONHELP},
                             Caption{IDC_MINIMIZE_BUTTON, IDB_MINBTN_UP, IDB_MINBTN_DOWN, DFCS_CAPTIONMIN},
                             Caption{IDC_MAXIMIZE_BUTTON, IDB_MAXBTN_UP, IDB_MAXBTN_DOWN, DFCS_CAPTIONMAX},
                             Caption{IDC_CLOSE_BUTTON, IDB_CLOSEBTN_UP, IDB_CLOSEBTN_DOWN, DFCS_CAPTIONCLOSE}}) {
        auto button = std::make_unique<CCaptionButton>(c.up, c.down, c.fallback);
        if (!button->Attach(m_hWnd, c.id)) VL_TRACE();
        m_buttons.push_back(std::move(button));
    }
    struct Arrow {
        int id, bitmap;
        bool up, toEnd;
    };
    for (const Arrow& a :
         {Arrow{IDC_TOP, IDB_ARROW_TOP, true, true}, Arrow{IDC_UP, IDB_ARROW_UP, true, false},
          Arrow{IDC_DOWN, IDB_ARROW_DOWN, false, false}, Arrow{IDC_BOTTOM, IDB_ARROW_BOTTOM, false, true}}) {
        auto button = std::make_unique<CArrowButton>(m_skin, a.bitmap, a.up, a.toEnd);
        if (!button->Attach(m_hWnd, a.id)) VL_TRACE();
        m_buttons.push_back(std::move(button));
    }
}

bool CConfigWindow::CreatePanels() {
    RECT none = {0, 0, 1, 1};
    bool ok = true;
    for (auto& bar : m_bars) {
        bar = std::make_unique<CSkinPanel>(m_skin, m_skin.Bar() ? m_skin.Bar() : HBITMAP(nullptr));
        ok = bar->Create(m_hWnd, none) && ok;
    }
    m_captionPanel = std::make_unique<CSkinPanel>(m_skin);
    m_bodyPanel = std::make_unique<CSkinPanel>(m_skin);
    m_buttonPanel = std::make_unique<CSkinPanel>(m_skin);
    for (CSkinPanel* p : {m_captionPanel.get(), m_bodyPanel.get(), m_buttonPanel.get()})
        ok = p->Create(m_hWnd, none) && ok;
    return ok;
}

// ---------------------------------------------------------------------------------------
// Language

void CConfigWindow::ApplyLanguage() {
    if (!m_hWnd) return;
    const TextLookup lookup = m_language.Lookup();
    COptionData& options = m_host.Options();
    CListViewCtrl list(m_hWnd, IDC_IMAGE_LIST);
    const bool newColumns = list.ColumnCount() == 0;
    for (const TextEntry& e : kListColumnTexts) {
        const int column = static_cast<int>(e.id);
        if (newColumns) {
            list.InsertColumn(column, TextOrEnglish(lookup, e), 100, column < 2 ? LVCFMT_LEFT : LVCFMT_RIGHT);
        } else {
            list.SetColumnTitle(column, TextOrEnglish(lookup, e));
        }
    }
    // The folder rows' "Yes" and "No" follow the language.
    InvalidateRect(list.Hwnd(), nullptr, FALSE);
    FillCombo(IDC_SEQUENCE, kSequenceEntryTexts, CountOf(kSequenceEntryTexts), options.m_nSequence);
    FillCombo(IDC_SIZE_MODE, kSizeModeEntryTexts, CountOf(kSizeModeEntryTexts), options.m_nSizeMode);

    CButtonStyle style;
    CLangFont font;
    SetStyleFont(style, m_language.GetFont(langsec::kDisplayOption, font), font, kDisplayOptionFont);
    m_captionFont.Create(style);
    UpdateCaptions();

    SetStyleFont(style, m_language.GetFont(langsec::kCommandButton, font), font, kCommandButtonFont);
    for (CSkinButton* b : m_commandButtons) b->SetStyle(style);
    m_texts.Apply(m_hWnd, kConfigButtonTexts, lookup);
    if (m_pListModeButton) {
        SetStyleFont(style, m_language.GetFont(langsec::kListModeButton, font), font, kListModeButtonFont);
        m_pListModeButton->SetStyle(style);
        // The view on screen, which may be a choice not confirmed yet.
        const LONG view = GetWindowLongA(list.Hwnd(), GWL_STYLE) & LVS_TYPEMASK;
        const TextEntry& mode = kListModeButtonTexts[view == LVS_ICON ? 1 : 0];
        SetDlgItemTextA(m_hWnd, IDC_LIST_MODE, TextOrEnglish(lookup, mode).c_str());
    }
    InvalidateRect(m_hWnd, nullptr, TRUE);
}

void CConfigWindow::FillCombo(int id, const TextEntry* entries, size_t count, int fallbackSelection) {
    CComboBoxCtrl combo(m_hWnd, id);
    // A switch of language keeps what the user chose and has not confirmed yet.
    int selection = combo.Count() > 0 ? combo.CurSel() : fallbackSelection;
    const bool filling = m_bFilling;
    m_bFilling = true;
    combo.ResetContent();
    const TextLookup lookup = m_language.Lookup();
    for (size_t i = 0; i < count; ++i) combo.AddString(TextOrEnglish(lookup, entries[i]));
    combo.SetCurSel(selection >= 0 && selection < static_cast<int>(count) ? selection : -1);
    m_bFilling = filling;
}

// ---------------------------------------------------------------------------------------
// Data exchange

void CConfigWindow::FillControls() {
    if (!m_hWnd) return;
    const COptionData& o = m_host.Options();
    m_bFilling = true;
    SetDlgItemInt(m_hWnd, IDC_INTERVAL, static_cast<UINT>(o.m_nInterval), TRUE);
    CComboBoxCtrl(m_hWnd, IDC_OPACITY).SetCurSel(OpacityIndex(o.m_nOpacity));
    CComboBoxCtrl sequence(m_hWnd, IDC_SEQUENCE), size(m_hWnd, IDC_SIZE_MODE);
    sequence.SetCurSel(o.m_nSequence >= 0 && o.m_nSequence < sequence.Count() ? o.m_nSequence : -1);
    size.SetCurSel(o.m_nSizeMode >= 0 && o.m_nSizeMode < size.Count() ? o.m_nSizeMode : -1);
    m_bFilling = false;
    m_bRegionChosen = false;
    // What the window shows from here on is what Cancel can fall back to.
    NoteShownValues();
}

bool CConfigWindow::TakeValues() {
    if (!m_hWnd) return true;
    CEditCtrl interval(m_hWnd, IDC_INTERVAL);
    int32_t seconds = 0;
    IntervalCheck check = CheckInterval(interval.Text(), seconds);
    if (check != IntervalCheck::Ok) {
        std::string text = check == IntervalCheck::NotInteger
                               ? LoadResString(IDS_PARSE_INT)
                               : FormatRangeMessage(LoadResString(IDS_PARSE_INT_RANGE), kIntervalMin, kIntervalMax);
        MessageText(m_hWnd, text, MB_OK | MB_ICONEXCLAMATION);
        interval.Focus();
        interval.SelectAll();
        return false;
    }
    COptionData& o = m_host.Options();
    o.m_nInterval = seconds;
    // Nothing selected (a damaged stored value): the stored value stays.
    int sel = CComboBoxCtrl(m_hWnd, IDC_SEQUENCE).CurSel();
    if (sel >= 0) o.m_nSequence = sel;
    sel = CComboBoxCtrl(m_hWnd, IDC_SIZE_MODE).CurSel();
    if (sel >= 0) o.m_nSizeMode = sel;
    o.m_nOpacity = OpacityFromIndex(CComboBoxCtrl(m_hWnd, IDC_OPACITY).CurSel(), o.m_nOpacity);
    if (m_bRegionChosen) o.m_region = m_chosenRegion;
    m_bRegionChosen = false;
    return true;
}

void CConfigWindow::FillSizeMode() {
    if (!m_hWnd) return;
    const int mode = m_host.Options().m_nSizeMode;
    CComboBoxCtrl size(m_hWnd, IDC_SIZE_MODE);
    m_bFilling = true;
    size.SetCurSel(mode >= 0 && mode < size.Count() ? mode : -1);
    m_bFilling = false;
    m_bRegionChosen = false;
}

void CConfigWindow::SelectOpacityItem(int index) {
    if (!m_hWnd) return;
    CComboBoxCtrl(m_hWnd, IDC_OPACITY)
        .SetCurSel(index < 0 ? 0 : (index >= kOpacityEntries ? kOpacityEntries - 1 : index));
}

void CConfigWindow::Modified() {
    if (!m_bFilling) m_host.SetModified();
}

namespace {
template <typename To, typename From>
void CopyEditedValues(To& to, const From& from) {
    to.m_images = from.m_images;
    to.m_nOpacity = from.m_nOpacity;
    to.m_nInterval = from.m_nInterval;
    to.m_nSequence = from.m_nSequence;
    to.m_nSizeMode = from.m_nSizeMode;
    to.m_region = from.m_region;
    to.m_nListViewMode = from.m_nListViewMode;
}
}  // namespace

void CConfigWindow::NoteShownValues() {
    CopyEditedValues(m_shown, m_host.Options());
}

void CConfigWindow::RestoreShownValues() {
    CopyEditedValues(m_host.Options(), m_shown);
}

void CConfigWindow::OnCustomSizeChosen() {
    const CDisplayRegion shown = m_bRegionChosen ? m_chosenRegion : m_host.Options().m_region;
    CImageSizeCustomDlg dialog(shown, m_language.Lookup());
    if (dialog.DoModal(m_hWnd) != IDOK || dialog.Region() == shown) return;
    // Kept until this window's OK, so that its Cancel undoes it and no other window's OK
    // saves it.
    m_chosenRegion = dialog.Region();
    m_bRegionChosen = true;
    // Marked, so that OK hands the new region to the display window at once.
    m_host.SetModified();
}
