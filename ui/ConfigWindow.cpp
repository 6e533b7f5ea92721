#include "ui/ConfigWindow.h"

#include <commctrl.h>
#include <windowsx.h>

#include "res/ArtIds.h"
#include "res/ConfigIds.h"
#include "base/Trace.h"
#include "lang/LangKeys.h"
#include "ui/ImageSizeCustomDlg.h"
#include "ui/PopupMenu.h"
#include "ui/core/ConfigLayout.h"
#include "ui/core/ConfigTexts.h"
#include "ui/core/SectionFont.h"
#include "ui/core/OptionControls.h"
#include "base/ResString_win.h"

namespace {

// Extra height of a drop-down list beyond its 20-pixel field.
const int kOpacityDropHeight = 260;
const int kComboDropHeight = 120;
// The system's move command for a drag started with the mouse.
const WPARAM kMoveByMouse = 0xF011;

RECT ToRect(const UiRect& r) {
    return RECT{r.left, r.top, r.right, r.bottom};
}

TextLookup CConfigLookup(const CLanguageManager& language) {
    return [&language](const std::string& section, const std::string& key, std::string& text) {
        return language.GetString(section, key, text);
    };
}

}  // namespace

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

bool CConfigWindow::Create(HWND window) {
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

void CConfigWindow::CreateToolTips() {
    m_hToolTip =
        CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, m_hWnd, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!m_hToolTip) {
        VL_TRACE();
        return;
    }
    for (const TextEntry& e : kConfigToolTipTexts) {
        HWND control = GetDlgItem(m_hWnd, static_cast<int>(e.id));
        if (!control) continue;
        TTTOOLINFOA ti{};
        ti.cbSize = sizeof ti;
        ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        ti.hwnd = m_hWnd;
        ti.uId = reinterpret_cast<UINT_PTR>(control);
        ti.lpszText = LPSTR_TEXTCALLBACKA;
        SendMessageA(m_hToolTip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
    }
    SendMessageA(m_hToolTip, TTM_SETMAXTIPWIDTH, 0, 400);
}

// ---------------------------------------------------------------------------------------
// Shape and layout

void CConfigWindow::ApplyShape(int width, int height) {
    UiRect rects[kRegionRectCount];
    ConfigRegionRects(width, height, rects);
    struct {
        RGNDATAHEADER header;
        RECT rects[kRegionRectCount];
    } data{};
    data.header.dwSize = sizeof(RGNDATAHEADER);
    data.header.iType = RDH_RECTANGLES;
    data.header.nCount = kRegionRectCount;
    data.header.nRgnSize = sizeof data.rects;
    data.header.rcBound = RECT{0, 0, width, height};
    for (int i = 0; i < kRegionRectCount; ++i) data.rects[i] = ToRect(rects[i]);
    HRGN region = ExtCreateRegion(nullptr, sizeof data, reinterpret_cast<const RGNDATA*>(&data));
    // The system owns the region from here on and deletes the one it replaces.
    if (!region || !SetWindowRgn(m_hWnd, region, TRUE)) {
        VL_TRACE();
        if (region) DeleteObject(region);
    }
}

void CConfigWindow::ApplyLayout(int width, int height) {
    const ConfigLayout l = LayoutConfigWindow(width, height);
    auto place = [this](HWND hwnd, const UiRect& r, int extraHeight = 0) {
        if (hwnd) MoveWindow(hwnd, r.left, r.top, r.Width(), r.Height() + extraHeight, FALSE);
    };
    auto item = [this](int id) { return GetDlgItem(m_hWnd, id); };
    if (m_captionPanel) place(m_captionPanel->GetSafeHwnd(), l.captionPanel);
    if (m_bodyPanel) place(m_bodyPanel->GetSafeHwnd(), l.bodyPanel);
    if (m_buttonPanel) place(m_buttonPanel->GetSafeHwnd(), l.buttonPanel);
    for (int i = 0; i < 4; ++i) {
        if (m_bars[i]) place(m_bars[i]->GetSafeHwnd(), l.bars[i]);
    }
    place(item(IDC_SYSTEM_BUTTON), l.systemButton);
    place(item(IDC_MINIMIZE_BUTTON), l.minimizeButton);
    place(item(IDC_MAXIMIZE_BUTTON), l.maximizeButton);
    place(item(IDC_CLOSE_BUTTON), l.closeButton);
    place(item(IDC_ADD), l.add);
    place(item(IDC_REMOVE), l.remove);
    place(item(IDC_CLEAR), l.clear);
    place(item(IDC_LIST_MODE), l.listMode);
    place(item(IDC_IMAGE_LIST), l.list);
    place(item(IDC_TOP), l.top);
    place(item(IDC_UP), l.up);
    place(item(IDC_DOWN), l.down);
    place(item(IDC_BOTTOM), l.bottom);
    place(item(IDC_OPACITY), l.opacity, kOpacityDropHeight);
    place(item(IDC_SEQUENCE), l.sequence, kComboDropHeight);
    place(item(IDC_SIZE_MODE), l.sizeMode, kComboDropHeight);
    place(item(IDC_INTERVAL), l.interval);
    place(item(IDOK), l.ok);
    place(item(IDCANCEL), l.cancel);
    // The spin follows the edit box only when it is attached again.
    CUpDownCtrl spin(m_hWnd, IDC_INTERVAL_SPIN);
    spin.SetBuddy(item(IDC_INTERVAL));
    spin.SetRange(kIntervalMin, kIntervalMax);
    UpdateCaptions();
    InvalidateRect(m_hWnd, nullptr, TRUE);
}

void CConfigWindow::UpdateCaptions() {
    if (m_captionPanel) {
        RECT rc;
        GetClientRect(m_captionPanel->GetSafeHwnd(), &rc);
        m_captionPanel->SetTexts({{rc, LoadResString(IDS_PRODUCT_NAME), m_titleFont.Handle(),
                                   DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX}});
    }
    if (m_bodyPanel) {
        RECT rc;
        GetClientRect(m_bodyPanel->GetSafeHwnd(), &rc);
        const OptionCaptionLayout c = LayoutOptionCaptions(rc.left, rc.right, rc.bottom);
        const UiRect places[4] = {c.opacity, c.intervals, c.sequence, c.sizePosition};
        TextLookup lookup = CConfigLookup(m_language);
        std::vector<CSkinPanel::Text> texts;
        for (int i = 0; i < 4; ++i) {
            texts.push_back({ToRect(places[i]), TextOrEnglish(lookup, kOptionCaptionTexts[i]), m_captionFont.Handle(),
                             DT_RIGHT | DT_VCENTER | DT_SINGLELINE});
        }
        m_bodyPanel->SetTexts(std::move(texts));
    }
}

// ---------------------------------------------------------------------------------------
// Language

void CConfigWindow::ApplyLanguage() {
    if (!m_hWnd) return;
    const TextLookup lookup = CConfigLookup(m_language);
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
    const TextLookup lookup = CConfigLookup(m_language);
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
        MessageBoxA(m_hWnd, text.c_str(), kProductName, MB_OK | MB_ICONEXCLAMATION);
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
    CImageSizeCustomDlg dialog(shown, CConfigLookup(m_language));
    if (dialog.DoModal(m_hWnd) != IDOK || dialog.Region() == shown) return;
    // Kept until this window's OK, so that its Cancel undoes it and no other window's OK
    // saves it.
    m_chosenRegion = dialog.Region();
    m_bRegionChosen = true;
    // Marked, so that OK hands the new region to the display window at once.
    m_host.SetModified();
}

// ---------------------------------------------------------------------------------------
// Showing, hiding, maximizing

void CConfigWindow::Show() {
    if (!m_hWnd) return;
    if (IsWindowVisible(m_hWnd)) {
        if (IsIconic(m_hWnd)) ShowWindow(m_hWnd, SW_RESTORE);
        SetForegroundWindow(m_hWnd);
        return;
    }
    LONG ex = GetWindowLongA(m_hWnd, GWL_EXSTYLE);
    SetWindowLongA(m_hWnd, GWL_EXSTYLE, (ex & ~WS_EX_TOOLWINDOW) | WS_EX_APPWINDOW);
    if (!IsZoomed(m_hWnd)) {
        // The size the user gave it stays; only the place is new.
        RECT rc, work;
        GetWindowRect(m_hWnd, &rc);
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
        int w = rc.right - rc.left, h = rc.bottom - rc.top;
        SetWindowPos(m_hWnd, nullptr, work.left + (work.right - work.left - w) / 2,
                     work.top + (work.bottom - work.top - h) / 2, w, h, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    NoteShownValues();
    ShowWindow(m_hWnd, IsIconic(m_hWnd) ? SW_RESTORE : SW_SHOW);
    SetWindowPos(m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow(m_hWnd);
    SetFocus(GetDlgItem(m_hWnd, IDC_IMAGE_LIST));
}

void CConfigWindow::Hide() {
    if (!m_hWnd) return;
    ShowWindow(m_hWnd, SW_HIDE);
    LONG ex = GetWindowLongA(m_hWnd, GWL_EXSTYLE);
    SetWindowLongA(m_hWnd, GWL_EXSTYLE, (ex & ~WS_EX_APPWINDOW) | WS_EX_TOOLWINDOW);
}

void CConfigWindow::ToggleMaximize() {
    if (!IsZoomed(m_hWnd)) {
        ShowWindow(m_hWnd, SW_SHOWMAXIMIZED);
        // The whole screen, not the work area.
        SetWindowPos(m_hWnd, HWND_NOTOPMOST, 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                     SWP_NOACTIVATE);
    } else {
        ShowWindow(m_hWnd, SW_RESTORE);
    }
    RECT rc;
    GetClientRect(m_hWnd, &rc);
    ApplyShape(rc.right, rc.bottom);
    ApplyLayout(rc.right, rc.bottom);
}

// ---------------------------------------------------------------------------------------
// Messages of the frame

void CConfigWindow::MapFrameMessages() {
    MapMessage(WM_SIZE, [this](WPARAM type, LPARAM size, LRESULT&) {
        if (type != SIZE_MINIMIZED && LOWORD(size) > 0) {
            ApplyShape(LOWORD(size), HIWORD(size));
            ApplyLayout(LOWORD(size), HIWORD(size));
        }
        return false;
    });
    MapMessage(WM_WINDOWPOSCHANGING, [](WPARAM, LPARAM lParam, LRESULT&) {
        auto* pos = reinterpret_cast<WINDOWPOS*>(lParam);
        if (!(pos->flags & SWP_NOSIZE))
            ClampWindowSize(pos->cx, pos->cy, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
        return false;
    });
    MapMessage(WM_ERASEBKGND, [](WPARAM, LPARAM, LRESULT& result) {
        result = 1;  // the panels cover the whole shape
        return true;
    });
    MapMessage(WM_SETCURSOR, [this](WPARAM, LPARAM, LRESULT& result) {
        result = TRUE;
        return OnSetCursor();
    });
    MapMessage(WM_LBUTTONDOWN, [this](WPARAM, LPARAM lParam, LRESULT&) {
        OnLButtonDown(lParam);
        return true;
    });
    MapMessage(WM_MOUSEMOVE, [this](WPARAM, LPARAM lParam, LRESULT&) {
        OnMouseMove(lParam);
        return m_bResizing;
    });
    MapMessage(WM_LBUTTONUP, [this](WPARAM, LPARAM, LRESULT&) {
        if (!m_bResizing) return false;
        ReleaseCapture();
        return true;
    });
    MapMessage(WM_CAPTURECHANGED, [this](WPARAM, LPARAM, LRESULT&) {
        m_bResizing = false;
        return false;
    });
    MapMessage(WM_LBUTTONDBLCLK, [this](WPARAM, LPARAM lParam, LRESULT&) {
        RECT rc;
        GetClientRect(m_hWnd, &rc);
        if (!InCaptionBand(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)), rc.right))
            return false;
        ToggleMaximize();
        return true;
    });
    MapMessage(WM_CONTEXTMENU, [this](WPARAM wParam, LPARAM lParam, LRESULT&) {
        OnContextMenu(reinterpret_cast<HWND>(wParam), lParam);
        return true;
    });
    MapMessage(WM_ACTIVATE, [this](WPARAM wParam, LPARAM, LRESULT&) {
        if (LOWORD(wParam) == WA_INACTIVE || HIWORD(wParam)) return false;
        SetFocus(GetDlgItem(m_hWnd, IDC_IMAGE_LIST));
        return true;
    });
    MapNotify(kAnyControl, TTN_NEEDTEXTA, [this](NMHDR* header, LRESULT&) { return OnToolTipText(header); });
    MapNotify(kAnyControl, TTN_NEEDTEXTW, [this](NMHDR* header, LRESULT&) { return OnToolTipText(header); });
}

int CConfigWindow::ZoneAt(POINT client) const {
    if (IsZoomed(m_hWnd) || IsIconic(m_hWnd) || !IsWindowVisible(m_hWnd)) return kZoneNone;
    RECT rc;
    GetClientRect(m_hWnd, &rc);
    return BorderZone(client.x, client.y, rc.right, rc.bottom);
}

bool CConfigWindow::OnSetCursor() {
    POINT pt;
    GetCursorPos(&pt);
    ScreenToClient(m_hWnd, &pt);
    m_nHitZone = ZoneAt(pt);
    LPCSTR shape = nullptr;
    switch (m_nHitZone) {
        case kZoneLeft:
        case kZoneRight:
            shape = IDC_SIZEWE;
            break;
        case kZoneTop:
        case kZoneBottom:
            shape = IDC_SIZENS;
            break;
        case kZoneTopLeft:
        case kZoneBottomRight:
            shape = IDC_SIZENWSE;
            break;
        case kZoneTopRight:
        case kZoneBottomLeft:
            shape = IDC_SIZENESW;
            break;
        default:
            return false;
    }
    SetCursor(LoadCursorA(nullptr, shape));
    return true;
}

void CConfigWindow::OnLButtonDown(LPARAM lParam) {
    // The press's own point, not the cursor's by now: a quick drag may be under way already.
    POINT pt = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    m_nHitZone = ZoneAt(pt);
    if (m_nHitZone != kZoneNone) {
        SetCapture(m_hWnd);
        m_bResizing = true;
        m_dragStart = pt;
        ClientToScreen(m_hWnd, &m_dragStart);
        GetWindowRect(m_hWnd, &m_dragStartRect);
        return;
    }
    if (IsZoomed(m_hWnd)) return;
    // Any free point of the surface drags the window.
    SendMessageA(m_hWnd, WM_SYSCOMMAND, kMoveByMouse, 0);
}

void CConfigWindow::OnMouseMove(LPARAM lParam) {
    if (!m_bResizing) return;
    POINT pt = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ClientToScreen(m_hWnd, &pt);
    const UiRect start = {m_dragStartRect.left, m_dragStartRect.top, m_dragStartRect.right, m_dragStartRect.bottom};
    const UiRect r = ResizedWindowRect(m_nHitZone, start, pt.x - m_dragStart.x, pt.y - m_dragStart.y);
    SetWindowPos(m_hWnd, nullptr, r.left, r.top, r.Width(), r.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    // The controls follow at once instead of lagging behind the frame.
    RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void CConfigWindow::OnContextMenu(HWND clicked, LPARAM lParam) {
    POINT at = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    if (lParam == -1) {  // from the keyboard: at the window's top-left corner
        at = POINT{0, 0};
        ClientToScreen(clicked ? clicked : m_hWnd, &at);
    }
    if (clicked == GetDlgItem(m_hWnd, IDC_IMAGE_LIST)) {
        ShowMenu(IDR_LIST_MENU, at);
    } else if (clicked == m_hWnd) {
        ShowMenu(IDR_CONFIG_MENU, at);
    }
}

bool CConfigWindow::OnToolTipText(NMHDR* header) {
    auto* info = reinterpret_cast<NMTTDISPINFOA*>(header);
    auto* wide = reinterpret_cast<NMTTDISPINFOW*>(header);
    const bool isWide = header->code == TTN_NEEDTEXTW;
    UINT id = static_cast<UINT>(header->idFrom);
    if ((isWide ? wide->uFlags : info->uFlags) & TTF_IDISHWND)
        id = static_cast<UINT>(GetDlgCtrlID(reinterpret_cast<HWND>(header->idFrom)));
    const TextEntry* entry = ToolTipEntry(id);
    if (!entry) return false;
    std::string text;
    if (!m_language.GetString(entry->section, entry->key, text)) text.clear();
    if (text.size() > 79) text.resize(79);  // the notification's own buffer holds 80
    if (isWide) {
        wide->szText[0] = 0;
        int n = MultiByteToWideChar(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), wide->szText, 79);
        wide->szText[n > 0 ? n : 0] = 0;
        wide->lpszText = wide->szText;
        wide->hinst = nullptr;
    } else {
        lstrcpynA(info->szText, text.c_str(), sizeof info->szText);
        info->lpszText = info->szText;
        info->hinst = nullptr;
    }
    return true;
}

// ---------------------------------------------------------------------------------------
// Buttons, menus and option controls

void CConfigWindow::MapControls() {
    MapCommand(IDC_SYSTEM_BUTTON, [this](UINT) { ShowMenuBelow(IDC_SYSTEM_BUTTON, false); });
    MapCommand(IDC_MINIMIZE_BUTTON, [this](UINT) { ShowWindow(m_hWnd, SW_MINIMIZE); });
    MapCommand(IDC_MAXIMIZE_BUTTON, [this](UINT) { ToggleMaximize(); });
    // Closing applies and saves, as OK does.
    MapCommand(IDC_CLOSE_BUTTON, [this](UINT) { SendMessageA(m_hWnd, WM_COMMAND, IDOK, 0); });
    MapCommand(IDC_ADD, [this](UINT) { ShowMenuBelow(IDC_ADD, true); });
    MapCommand(IDC_LIST_MODE, [this](UINT) { ShowMenuBelow(IDC_LIST_MODE, false); });
    MapControl(IDC_OPACITY, CBN_SELCHANGE, [this](UINT) { Modified(); });
    MapControl(IDC_SIZE_MODE, CBN_SELCHANGE, [this](UINT) { Modified(); });
    MapControl(IDC_SEQUENCE, CBN_SELCHANGE, [this](UINT) { Modified(); });
    MapControl(IDC_INTERVAL, EN_CHANGE, [this](UINT) { Modified(); });
    // Confirmed, even when "Custom" was selected already.
    MapControl(IDC_SIZE_MODE, CBN_SELENDOK, [this](UINT) {
        if (CComboBoxCtrl(m_hWnd, IDC_SIZE_MODE).CurSel() == 3) OnCustomSizeChosen();
    });
}

HMENU CConfigWindow::BuildWindowMenu() {
    HMENU root = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_CONFIG_MENU));
    HMENU popup = root ? GetSubMenu(root, 0) : nullptr;
    if (!popup) {
        VL_TRACE();
        return root;
    }
    COptionData& o = m_host.Options();
    ApplyMenuTexts(popup, MenuTexts(kConfigMenuTexts, CountOfMenu(kConfigMenuTexts), CConfigLookup(m_language),
                                    o.m_bEnabled != 0, o.m_hotkeys));
    FillLanguageMenu(GetSubMenu(popup, kConfigLanguageMenuPosition), m_language);
    FillSiteMenu(GetSubMenu(popup, kConfigSiteMenuPosition), o);
    return root;
}

void CConfigWindow::ShowMenu(UINT resourceId, POINT at) {
    if (resourceId == IDR_CONFIG_MENU) {
        HMENU root = BuildWindowMenu();
        if (!root) return;
        SetForegroundWindow(m_hWnd);
        TrackPopupMenu(GetSubMenu(root, 0), TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, m_hWnd, nullptr);
        PostMessageA(m_hWnd, WM_NULL, 0, 0);
        DestroyMenu(root);
        return;
    }
    CPopupMenu menu(resourceId);
    const COptionData& o = m_host.Options();
    const MenuTextEntry* table = resourceId == IDR_LIST_MENU  ? kListMenuTexts
                                 : resourceId == IDR_ADD_MENU ? kAddMenuTexts
                                                              : kListModeMenuTexts;
    const size_t count = resourceId == IDR_LIST_MENU  ? CountOfMenu(kListMenuTexts)
                         : resourceId == IDR_ADD_MENU ? CountOfMenu(kAddMenuTexts)
                                                      : CountOfMenu(kListModeMenuTexts);
    ApplyMenuTexts(menu.Popup(), MenuTexts(table, count, CConfigLookup(m_language), o.m_bEnabled != 0, o.m_hotkeys));
    menu.Track(m_hWnd, at);
}

void CConfigWindow::ShowMenuBelow(int buttonId, bool rightCorner) {
    RECT rc;
    if (!GetWindowRect(GetDlgItem(m_hWnd, buttonId), &rc)) return;
    // The Add menu opens at the button's top-right corner, the others below its left edge.
    POINT at = rightCorner ? POINT{rc.right, rc.top} : POINT{rc.left, rc.bottom};
    UINT menu = buttonId == IDC_ADD ? IDR_ADD_MENU : buttonId == IDC_LIST_MODE ? IDR_LIST_MODE_MENU : IDR_CONFIG_MENU;
    ShowMenu(menu, at);
}
