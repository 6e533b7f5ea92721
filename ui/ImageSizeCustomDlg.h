// The "Size&Position Setting" dialog: the display region's size from a list, how the
// picture fills it, and its place on the screen, random or dragged on a miniature. It
// edits a copy of the region; the caller takes Region() when DoModal gives IDOK.
#pragma once
#include "framework/Controls.h"
#include "lang/TextTable.h"
#include "settings/OptionData.h"
#include "ui/HelpTopicDialog.h"
#include "ui/RegionPostionWnd.h"
#include "ui/core/RegionPicker.h"

class CImageSizeCustomDlg : public CHelpTopicDialog {
public:
    static constexpr char kHelpTopic[] = "image_size_custom_dialog.htm";

    // The screen is the primary one (SM_CXSCREEN x SM_CYSCREEN) and the monitors the
    // system's unless given; sizes and centring go by the screen, the picker spans the monitors.
    CImageSizeCustomDlg(const CDisplayRegion& region, TextLookup lookup);
    CImageSizeCustomDlg(const CDisplayRegion& region, TextLookup lookup, const ScreenRect& screen,
                        MonitorList monitors = MonitorList());

    const CDisplayRegion& Region() const { return m_region; }
    const CRegionPostionWnd& PositionPicker() const { return m_picker; }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    void ApplyLanguage();
    void FillSizeList();
    void PlacePicker();
    void PutValues();
    void TakeValues();
    void OnSizeChanged();

    CDisplayRegion m_region;
    TextLookup m_lookup;
    ScreenRect m_screen;
    MonitorList m_monitors;
    SizeList m_sizes;
    CWindowTexts m_texts;
    CRegionPostionWnd m_picker;
};
