// The configuration window's owner-drawn buttons. Each takes over a BS_OWNERDRAW button of
// the template and paints itself when its parent reflects WM_DRAWITEM to it.
#pragma once
#include <windows.h>

#include "framework/Window.h"
#include "widgets/Skin.h"

// The common part: a quick second click counts as a click, not a double click, and the
// button has no background of its own to erase.
class COwnerDrawButton : public CSubclassWindow {
public:
    bool Attach(HWND dialog, int id) { return SubclassDlgItem(dialog, id); }

protected:
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool OnReflectedMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    virtual void Draw(const DRAWITEMSTRUCT& item) = 0;
};

// Command buttons (Add, Remove, Clear, list mode, OK, Cancel): a face image, pressed or
// not, and the window text in the language's font, white and centred on one line.
class CSkinButton : public COwnerDrawButton {
public:
    explicit CSkinButton(const CSkin& skin) : m_skin(skin) {}
    // The font of the style; the text is the window text.
    void SetStyle(const CButtonStyle& style);
    HFONT Font() const { return m_font.Handle(); }

protected:
    void Draw(const DRAWITEMSTRUCT& item) override;

private:
    const CSkin& m_skin;
    CStyleFont m_font;
};

// The caption buttons: an up and a down bitmap, nothing else.
class CCaptionButton : public COwnerDrawButton {
public:
    // fallback: the DFCS_CAPTION* look drawn when the bitmaps are missing.
    CCaptionButton(int upBitmap, int downBitmap, UINT fallback);
    ~CCaptionButton() override;

protected:
    void Draw(const DRAWITEMSTRUCT& item) override;

private:
    HBITMAP m_hUp;
    HBITMAP m_hDown;
    UINT m_nFallback;
};

// The list's arrow buttons: a bitmap with magenta transparent over the window's background.
class CArrowButton : public COwnerDrawButton {
public:
    // pointsUp and toEnd pick the fallback arrow (Top and Bottom have a bar at the end).
    CArrowButton(const CSkin& skin, int bitmap, bool pointsUp, bool toEnd);
    ~CArrowButton() override;

protected:
    void Draw(const DRAWITEMSTRUCT& item) override;

private:
    const CSkin& m_skin;
    HBITMAP m_hBitmap;
    bool m_bUp;
    bool m_bToEnd;
};
