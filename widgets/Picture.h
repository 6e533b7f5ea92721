// A picture of the artwork shown by a static control of a dialog, scaled down with good
// quality to fit the control's size in the template (its dialog units), keeping the
// picture's proportions. The template's font decides that size, so the picture fits the
// page whatever the font.
#pragma once
#include <windows.h>

class CPicture {
public:
    CPicture() = default;
    ~CPicture();
    CPicture(const CPicture&) = delete;
    CPicture& operator=(const CPicture&) = delete;

    // Shows bitmap resource bitmapId in the SS_BITMAP static controlId of dialog, within
    // width x height dialog units. False when either is missing.
    bool Show(HWND dialog, int controlId, int bitmapId, int width, int height);

private:
    HBITMAP m_hBitmap = nullptr;
};

// bitmap scaled to width x height (halftone); nullptr when it cannot be made.
HBITMAP ScaleBitmap(HBITMAP bitmap, int width, int height);
