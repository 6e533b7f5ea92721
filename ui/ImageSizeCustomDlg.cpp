#include "ui/ImageSizeCustomDlg.h"

#include "res/ImageSizeIds.h"
#include "base/Trace.h"
#include "ui/core/ImageSizeTexts.h"

CImageSizeCustomDlg::CImageSizeCustomDlg(const CDisplayRegion& region, TextLookup lookup)
    : CImageSizeCustomDlg(region, std::move(lookup), PrimaryScreenRect(), SystemMonitors()) {}

CImageSizeCustomDlg::CImageSizeCustomDlg(const CDisplayRegion& region, TextLookup lookup, const ScreenRect& screen,
                                         MonitorList monitors)
    : CHelpTopicDialog(IDD_IMAGE_SIZE_CUSTOM, kHelpTopic),
      m_region(region),
      m_lookup(std::move(lookup)),
      m_screen(screen),
      m_monitors(std::move(monitors)) {
    MapControl(IDC_DISPLAY_SIZE, CBN_SELCHANGE, [this](UINT) { OnSizeChanged(); });
    MapCommand(IDC_POSITION_RANDOM, [this](UINT) { m_picker.Enable(false); });
    MapCommand(IDC_POSITION_CUSTOM, [this](UINT) { m_picker.Enable(true); });
}

BOOL CImageSizeCustomDlg::OnInitDialog() {
    ApplyLanguage();
    FillSizeList();
    m_picker.SetScreen(m_screen);
    m_picker.SetMonitors(m_monitors);
    m_picker.Enable(m_region.m_nPositionMode != 0);
    PlacePicker();
    PutValues();
    return TRUE;
}

void CImageSizeCustomDlg::ApplyLanguage() {
    std::string caption;
    if (m_lookup && m_lookup(kImageSizeCaptionText.section, kImageSizeCaptionText.key, caption))
        SetWindowTextA(m_hWnd, caption.c_str());
    m_texts.Apply(m_hWnd, kImageSizeDialogTexts, m_lookup);
    CComboBoxCtrl mode(m_hWnd, IDC_DISPLAY_MODE);
    mode.ResetContent();
    for (const TextEntry& e : kDisplayModeEntryTexts) mode.AddString(TextOrEnglish(m_lookup, e));
}

void CImageSizeCustomDlg::FillSizeList() {
    // A stored size that is none of the presets gets an entry of its own, so that OK keeps it.
    m_sizes = BuildSizeList(m_screen.width, m_region.m_nWidth, m_region.m_nHeight);
    CComboBoxCtrl list(m_hWnd, IDC_DISPLAY_SIZE);
    list.ResetContent();
    list.AddString(TextOrEnglish(m_lookup, kFullScreenEntryText));
    for (const RegionSize& s : m_sizes.sizes) list.AddString(FormatSize(s));
}

void CImageSizeCustomDlg::PlacePicker() {
    if (!m_picker.CreateOver(m_hWnd, IDC_POSITION_PICKER)) {
        VL_TRACE();
        return;
    }
    // Between the hint's right edge and the mode list's, level with the hint's top.
    RECT hint, list;
    GetWindowRect(GetDlgItem(m_hWnd, IDC_PICKER_HINT), &hint);
    GetWindowRect(GetDlgItem(m_hWnd, IDC_DISPLAY_MODE), &list);
    MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&hint), 2);
    MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&list), 2);
    m_picker.MoveTo((list.right - hint.right - kPickerWidth) / 2 + hint.right, hint.top);
}

void CImageSizeCustomDlg::PutValues() {
    CComboBoxCtrl(m_hWnd, IDC_DISPLAY_SIZE).SetCurSel(m_sizes.selected);
    const int fit = m_region.m_nFitMode;
    // A damaged mode selects nothing, and OK keeps it.
    CComboBoxCtrl(m_hWnd, IDC_DISPLAY_MODE).SetCurSel(fit == 0 || fit == 1 ? fit : -1);
    CheckRadioButton(m_hWnd, IDC_POSITION_RANDOM, IDC_POSITION_CUSTOM,
                     m_region.m_nPositionMode != 0 ? IDC_POSITION_CUSTOM : IDC_POSITION_RANDOM);
    m_picker.SetRegionSize(m_region.m_nWidth, m_region.m_nHeight);
    m_picker.SetPosition(m_region.m_nLeft, m_region.m_nTop);
}

void CImageSizeCustomDlg::TakeValues() {
    TakeSize(m_sizes, CComboBoxCtrl(m_hWnd, IDC_DISPLAY_SIZE).CurSel(), m_region.m_nWidth, m_region.m_nHeight);
    const POINT at = m_picker.GetPosition();
    m_region.m_nLeft = at.x;
    m_region.m_nTop = at.y;
    const int fit = CComboBoxCtrl(m_hWnd, IDC_DISPLAY_MODE).CurSel();
    if (fit >= 0) m_region.m_nFitMode = fit;
    m_region.m_nPositionMode = IsDlgButtonChecked(m_hWnd, IDC_POSITION_CUSTOM) == BST_CHECKED ? 1 : 0;
}

void CImageSizeCustomDlg::OnSizeChanged() {
    TakeValues();
    m_picker.SetRegionSize(m_region.m_nWidth, m_region.m_nHeight);
    // Exactly centred on the screen, not as far as the miniature's pixels reach.
    const PickerPoint centre = CentredPosition(m_screen, m_region.m_nWidth, m_region.m_nHeight);
    m_picker.SetPosition(centre.x, centre.y);
}

void CImageSizeCustomDlg::OnOK() {
    TakeValues();
    EndDialog(IDOK);
}
