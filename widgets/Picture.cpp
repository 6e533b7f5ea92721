#include "widgets/Picture.h"

#include <algorithm>

#include "widgets/Skin.h"

CPicture::~CPicture() {
    if (m_hBitmap) DeleteObject(m_hBitmap);
}

HBITMAP ScaleBitmap(HBITMAP bitmap, int width, int height) {
    const SIZE size = BitmapSize(bitmap);
    if (size.cx <= 0 || size.cy <= 0 || width <= 0 || height <= 0) return nullptr;
    HDC screen = GetDC(nullptr);
    HDC from = CreateCompatibleDC(screen), to = CreateCompatibleDC(screen);
    HBITMAP scaled = CreateCompatibleBitmap(screen, width, height);
    if (from && to && scaled) {
        HGDIOBJ oldFrom = SelectObject(from, bitmap), oldTo = SelectObject(to, scaled);
        SetStretchBltMode(to, HALFTONE);
        SetBrushOrgEx(to, 0, 0, nullptr);
        StretchBlt(to, 0, 0, width, height, from, 0, 0, size.cx, size.cy, SRCCOPY);
        SelectObject(from, oldFrom);
        SelectObject(to, oldTo);
    } else if (scaled) {
        DeleteObject(scaled);
        scaled = nullptr;
    }
    if (from) DeleteDC(from);
    if (to) DeleteDC(to);
    ReleaseDC(nullptr, screen);
    return scaled;
}

bool CPicture::Show(HWND dialog, int controlId, int bitmapId, int width, int height) {
    HWND control = GetDlgItem(dialog, controlId);
    HBITMAP original = LoadArtBitmap(bitmapId);
    if (!control || !original) {
        if (original) DeleteObject(original);
        return false;
    }
    RECT box = {0, 0, width, height};
    MapDialogRect(dialog, &box);
    const SIZE size = BitmapSize(original);
    // Never larger than drawn: a bitmap that fits already is shown as it is.
    const double scale =
        std::min({1.0, static_cast<double>(box.right) / size.cx, static_cast<double>(box.bottom) / size.cy});
    HBITMAP scaled = ScaleBitmap(original, std::max(1, static_cast<int>(size.cx * scale + 0.5)),
                                 std::max(1, static_cast<int>(size.cy * scale + 0.5)));
    DeleteObject(original);
    if (!scaled) return false;
    SendMessageA(control, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(scaled));
    if (m_hBitmap) DeleteObject(m_hBitmap);
    m_hBitmap = scaled;
    return true;
}
