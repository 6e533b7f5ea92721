// What the slideshow asks of the display window. The Win32 window implements it;
// tests record the calls.
#pragma once
#include <cstdint>
#include <functional>
#include <string>

class CDisplayRegion;

class IImageDisplay {
public:
    virtual ~IImageDisplay() = default;
    // UI thread: the picture the next ShowImage renders (set before the worker is woken).
    virtual void SetImagePath(const std::string& path) = 0;
    // Worker thread: renders the pending picture and shows it with this constant alpha
    // (0..255). False when the picture could not be rendered; the display stays as it was.
    virtual bool ShowImage(int alpha) = 0;
    // Puts the window back on top where it was, if it has shown a picture.
    virtual void ReShow() = 0;
    // Changes the constant alpha of what is shown, without rendering again.
    virtual void SetAlpha(int alpha) = 0;
    virtual void SetSizeMode(int sizeMode) = 0;
    virtual void SetRegion(const CDisplayRegion& region) = 0;
    // At once, also in the middle of a fade.
    virtual void Hide() = 0;
    virtual bool IsVisible() const = 0;
    // How long the next change of picture cross-fades, in ms (0: a hard cut).
    virtual void SetFadeTime(uint32_t ms) { (void)ms; }
    // UI thread: a fade on its way ends at once, at its end values.
    virtual void EndFade() {}
    // Any thread: a program in front is full screen on the monitor the pictures are on.
    virtual bool IsCoveredByFullScreen() const { return false; }
    // UI thread: called whenever another program comes to the front; empty to stop.
    virtual void SetForegroundListener(std::function<void()> listener) { (void)listener; }
};
