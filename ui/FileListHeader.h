// The column header of the image list: it keeps the sort column and direction and draws
// that column's title with a small triangle pointing up (ascending) or down.
#pragma once
#include <windows.h>

#include "framework/Window.h"

class CFileListHeader : public CSubclassWindow {
public:
    // The header of a list view; once.
    bool Attach(HWND header) { return Subclass(header); }

    // Column -1 removes the indicator. Returns the previous sort column.
    int SetSortIndicator(int column, bool ascending);
    int SortColumn() const { return m_nSortColumn; }
    bool SortAscending() const { return m_bAscending; }

protected:
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    // WM_DRAWITEM of the owner-drawn column, which the list view passes back.
    bool OnReflectedMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void SetOwnerDrawn(int column, bool ownerDrawn);
    void DrawItem(const DRAWITEMSTRUCT& item);
    void DrawTriangle(HDC dc, const RECT& rc);

    int m_nSortColumn = -1;
    bool m_bAscending = true;
};
