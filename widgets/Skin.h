// The artwork the configuration window's widgets share, and the ways they paint it:
// the background tile runs on from the window's top-left corner across every panel and
// under the arrows, so the grain never breaks between widgets. Every picture may be
// missing; the widgets then paint a plain look of their own.
#pragma once
#include <windows.h>

#include <string>

#include "widgets/ButtonStyle.h"

constexpr COLORREF kMagenta = RGB(255, 0, 255);
// The colour the widgets use where the artwork is missing.
constexpr COLORREF kFallbackPanel = RGB(36, 54, 92);

class CSkin {
public:
    CSkin();
    ~CSkin();
    CSkin(const CSkin&) = delete;
    CSkin& operator=(const CSkin&) = delete;

    HBITMAP FaceUp() const { return m_hFaceUp; }
    HBITMAP FaceDown() const { return m_hFaceDown; }
    HBITMAP Bar() const { return m_hBar; }

    // Fills rc of window's client area with the tile, its origin at the top-left of
    // window's top-level parent.
    void FillBackground(HDC dc, HWND window, const RECT& rc) const;

private:
    HBITMAP m_hFaceUp = nullptr;
    HBITMAP m_hFaceDown = nullptr;
    HBITMAP m_hBackground = nullptr;
    HBITMAP m_hBar = nullptr;
    HBRUSH m_hBackgroundBrush = nullptr;
};

HBITMAP LoadArtBitmap(int id);
SIZE BitmapSize(HBITMAP bitmap);
// Draws bitmap 1:1 at (x, y); false when there is none.
bool DrawBitmap(HDC dc, HBITMAP bitmap, int x, int y);
// Draws bitmap 1:1 at (x, y), its pixels of colour key left out.
bool DrawTransparentBitmap(HDC dc, HBITMAP bitmap, int x, int y, COLORREF key);

// A font made from a CButtonStyle (ANSI, TrueType, proof quality); owns its handle.
class CStyleFont {
public:
    CStyleFont() = default;
    ~CStyleFont() { Reset(); }
    CStyleFont(const CStyleFont&) = delete;
    CStyleFont& operator=(const CStyleFont&) = delete;

    void Create(const CButtonStyle& style);
    void Reset();
    HFONT Handle() const { return m_hFont; }

private:
    HFONT m_hFont = nullptr;
};
