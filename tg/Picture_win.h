// A picture file opened for rendering: its own size first, pixels at a wanted size after.
#pragma once
#include <memory>
#include <string>

#include "tg/core/Image.h"

class CPictureSource {
public:
    virtual ~CPictureSource() = default;
    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }
    // Pixels of the whole picture at wantW x wantH or at any larger size that is cheaper to
    // get (a scaled JPEG decode, the full picture); the caller resamples to the exact size.
    virtual bool Decode(int wantW, int wantH, tg::Image& out) = 0;

protected:
    int m_nWidth = 0;
    int m_nHeight = 0;
};

// Own decoders for TGA and PCX, GDI playback for EMF and WMF, else the system's codecs
// (WIC, then GDI+). Null when no decoder reads the file.
std::unique_ptr<CPictureSource> OpenPicture(const char* path);

// The pixels as the file stores them, before any orientation tag is applied.
std::unique_ptr<CPictureSource> OpenStored(const char* path, const std::string& ext, bool jpeg);

// Each decoder; null when it cannot read the file.
std::unique_ptr<CPictureSource> OpenOwnFormat(const char* path, bool pcx);
std::unique_ptr<CPictureSource> OpenMetafile(const char* path, bool wmf);
std::unique_ptr<CPictureSource> OpenWithWic(const char* path);
std::unique_ptr<CPictureSource> OpenWithGdiplus(const char* path);
// How often GDI+ was started in this process: once at most, by the first picture.
unsigned GdiplusStartups();

// COM for the calling thread, for as long as the object lives.
class CComScope {
public:
    CComScope();
    ~CComScope();
    CComScope(const CComScope&) = delete;
    CComScope& operator=(const CComScope&) = delete;

private:
    bool m_bInitialized;
};
