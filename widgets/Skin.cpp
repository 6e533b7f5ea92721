#include "widgets/Skin.h"

#include "res/ArtIds.h"
#include "base/Trace.h"

HBITMAP LoadArtBitmap(int id) {
    return static_cast<HBITMAP>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
}

SIZE BitmapSize(HBITMAP bitmap) {
    BITMAP bm{};
    if (!bitmap || !GetObjectA(bitmap, sizeof bm, &bm)) return SIZE{0, 0};
    return SIZE{bm.bmWidth, bm.bmHeight};
}

CSkin::CSkin()
    : m_hFaceUp(LoadArtBitmap(IDB_FACE_UP)),
      m_hFaceDown(LoadArtBitmap(IDB_FACE_DOWN)),
      m_hBackground(LoadArtBitmap(IDB_BACKGROUND)),
      m_hBar(LoadArtBitmap(IDB_BAR)) {
    m_hBackgroundBrush = m_hBackground ? CreatePatternBrush(m_hBackground) : CreateSolidBrush(kFallbackPanel);
}

CSkin::~CSkin() {
    for (HGDIOBJ o :
         {static_cast<HGDIOBJ>(m_hBackgroundBrush), static_cast<HGDIOBJ>(m_hFaceUp), static_cast<HGDIOBJ>(m_hFaceDown),
          static_cast<HGDIOBJ>(m_hBackground), static_cast<HGDIOBJ>(m_hBar)}) {
        if (o) DeleteObject(o);
    }
}

void CSkin::FillBackground(HDC dc, HWND window, const RECT& rc) const {
    POINT origin = {0, 0};
    HWND root = GetAncestor(window, GA_ROOT);
    if (root && root != window) MapWindowPoints(window, root, &origin, 1);
    POINT old;
    SetBrushOrgEx(dc, -origin.x, -origin.y, &old);
    FillRect(dc, &rc, m_hBackgroundBrush ? m_hBackgroundBrush : GetSysColorBrush(COLOR_BTNFACE));
    SetBrushOrgEx(dc, old.x, old.y, nullptr);
}

bool DrawBitmap(HDC dc, HBITMAP bitmap, int x, int y) {
    SIZE size = BitmapSize(bitmap);
    if (!size.cx) return false;
    HDC mem = CreateCompatibleDC(dc);
    if (!mem) return false;
    HGDIOBJ old = SelectObject(mem, bitmap);
    BitBlt(dc, x, y, size.cx, size.cy, mem, 0, 0, SRCCOPY);
    SelectObject(mem, old);
    DeleteDC(mem);
    return true;
}

bool DrawTransparentBitmap(HDC dc, HBITMAP bitmap, int x, int y, COLORREF key) {
    SIZE size = BitmapSize(bitmap);
    if (!size.cx) return false;
    // A monochrome mask (key colour white), then the picture with the key made black,
    // ANDed and ORed in: no msimg32 needed.
    HDC image = CreateCompatibleDC(dc);
    HDC mask = CreateCompatibleDC(dc);
    HDC work = CreateCompatibleDC(dc);
    HBITMAP maskBmp = CreateBitmap(size.cx, size.cy, 1, 1, nullptr);
    HBITMAP workBmp = CreateCompatibleBitmap(dc, size.cx, size.cy);
    bool ok = image && mask && work && maskBmp && workBmp;
    if (ok) {
        HGDIOBJ oldImage = SelectObject(image, bitmap);
        HGDIOBJ oldMask = SelectObject(mask, maskBmp);
        HGDIOBJ oldWork = SelectObject(work, workBmp);
        SetBkColor(image, key);
        BitBlt(mask, 0, 0, size.cx, size.cy, image, 0, 0, SRCCOPY);
        BitBlt(work, 0, 0, size.cx, size.cy, image, 0, 0, SRCCOPY);
        SetBkColor(work, RGB(0, 0, 0));
        SetTextColor(work, RGB(255, 255, 255));
        BitBlt(work, 0, 0, size.cx, size.cy, mask, 0, 0, SRCAND);  // key pixels to black
        SetBkColor(dc, RGB(255, 255, 255));
        SetTextColor(dc, RGB(0, 0, 0));
        BitBlt(dc, x, y, size.cx, size.cy, mask, 0, 0, SRCAND);
        BitBlt(dc, x, y, size.cx, size.cy, work, 0, 0, SRCPAINT);
        SelectObject(image, oldImage);
        SelectObject(mask, oldMask);
        SelectObject(work, oldWork);
    } else {
        VL_TRACE();
    }
    if (workBmp) DeleteObject(workBmp);
    if (maskBmp) DeleteObject(maskBmp);
    if (work) DeleteDC(work);
    if (mask) DeleteDC(mask);
    if (image) DeleteDC(image);
    return ok;
}

void CStyleFont::Create(const CButtonStyle& style) {
    Reset();
    LOGFONTA lf{};
    lf.lfHeight = style.m_nHeight;
    lf.lfWeight = style.m_nWeight;
    // The face's own character set: a Japanese face names no ANSI glyphs for Japanese texts.
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfOutPrecision = OUT_TT_PRECIS;
    lf.lfQuality = PROOF_QUALITY;
    lstrcpynA(lf.lfFaceName, style.m_strFace.c_str(), LF_FACESIZE);
    m_hFont = CreateFontIndirectA(&lf);
    if (!m_hFont) VL_TRACE();
}

void CStyleFont::Reset() {
    if (m_hFont) DeleteObject(m_hFont);
    m_hFont = nullptr;
}
