// The file is spelled as its class CRegionPostionWnd is named.
// The position picker: a 99 x 78 miniature of a monitor whose screen stands for the real
// screen, with a white block for the display region that the user drags to place it.
// Used by the size and position dialog and by the quick setup wizard's size page: the
// page's template holds a placeholder control, and the picker takes its place and id.
//
//   m_picker.CreateOver(m_hWnd, IDC_POSITION_PICKER);
//   m_picker.SetRegionSize(region.m_nWidth, region.m_nHeight);   // 0 or less: full screen
//   m_picker.SetPosition(region.m_nLeft, region.m_nTop);
//   m_picker.Enable(region.m_nPositionMode != 0);
//   ...
//   POINT at = m_picker.GetPosition();   // exact until the user drags the block
//
// After a drag that moved the block the parent gets WM_COMMAND with the picker's id and
// the code kPositionChanged.
#pragma once
#include <windows.h>

#include "framework/Window.h"
#include "ui/core/RegionPicker.h"

// The primary screen, SM_CXSCREEN x SM_CYSCREEN at (0, 0).
ScreenRect PrimaryScreenRect();

class CRegionPostionWnd : public CWindow {
public:
    static constexpr WORD kPositionChanged = 0x8001;

    // The miniature stands for the primary screen until SetScreen says otherwise.
    CRegionPostionWnd();
    ~CRegionPostionWnd() override;

    // Takes the place of control placeholderId of dialog: its id, its top-left corner and
    // its place in the tab order; the placeholder goes. False when there is no such
    // control or the window cannot be made.
    bool CreateOver(HWND dialog, int placeholderId);
    // Top-left corner in the parent's client coordinates.
    void MoveTo(int x, int y);

    // A new screen starts with the full-screen block at its top-left corner.
    void SetScreen(const ScreenRect& screen);
    // Several monitors: the miniature stands for all of them and shows each where it is.
    // One (or none) leaves the screen as it is.
    void SetMonitors(const MonitorList& monitors);
    // A width or height of 0 or less is the full screen.
    void SetRegionSize(int width, int height);
    void SetPosition(int x, int y);
    POINT GetPosition() const;

    // Disabled, the miniature shows an empty screen and takes no drags.
    void Enable(bool enable);
    bool IsEnabled() const { return m_bEnabled; }

    // The whole picture at (0, 0) of dc, as the window shows it.
    void Paint(HDC dc) const;
    const CRegionPicker& Picker() const { return m_picker; }

protected:
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void OnPaint();
    void PaintMonitors(HDC dc) const;
    bool OnSetCursor();
    void OnButtonDown(LPARAM lParam);
    void OnMouseMove(LPARAM lParam);
    void EndDrag();
    void Redraw();

    CRegionPicker m_picker;
    MonitorList m_monitors;  // empty for one monitor
    HBITMAP m_hMonitor = nullptr;
    HCURSOR m_hBlockCursor = nullptr;
    bool m_bEnabled = true;
    PickerRect m_blockAtPress;
};
