#include "tg/Picture_win.h"

#include <windows.h>

#include <cstdio>
#include <string>

#include "base/File.h"
#include "base/StringUtil.h"
#include "imageinfo/ExifOrientation.h"
#include "tg/core/JpegDc.h"
#include "tg/core/Orientation.h"
#include "tg/core/Pcx.h"
#include "tg/core/Tga.h"

namespace {

// A file bigger than this cannot decode within the budget in any format we read ourselves.
constexpr size_t kMaxOwnFileBytes = static_cast<size_t>(tg::kMaxDecodedBytes) + (1u << 20);

class COwnFormatSource : public CPictureSource {
public:
    bool Open(const char* path, bool pcx) {
        m_bPcx = pcx;
        if (ReadFileBytes(path, m_bytes, kMaxOwnFileBytes) != ReadResult::Ok) return false;
        const uint8_t* p = reinterpret_cast<const uint8_t*>(m_bytes.data());
        return pcx ? tg::PcxSize(p, m_bytes.size(), m_nWidth, m_nHeight)
                   : tg::TgaSize(p, m_bytes.size(), m_nWidth, m_nHeight);
    }
    bool Decode(int, int, tg::Image& out) override {
        const uint8_t* p = reinterpret_cast<const uint8_t*>(m_bytes.data());
        const bool ok = m_bPcx ? tg::DecodePcx(p, m_bytes.size(), out) : tg::DecodeTga(p, m_bytes.size(), out);
        std::string().swap(m_bytes);  // the file is not needed twice
        return ok;
    }

private:
    std::string m_bytes;
    bool m_bPcx = false;
};

// JPEG: when one eighth of the picture is still at least the wanted size (thumbnails of
// photographs), the DC coefficients alone give it, far faster than a full decode.
// Everything else goes to the system's codecs.
class CJpegSource : public CPictureSource {
public:
    bool Open(const char* path) {
        m_strPath = path;
        if (ReadFileBytes(path, m_bytes, kMaxOwnFileBytes) != ReadResult::Ok) return false;
        return tg::JpegDcSize(reinterpret_cast<const uint8_t*>(m_bytes.data()), m_bytes.size(), m_nWidth, m_nHeight);
    }
    bool Decode(int wantW, int wantH, tg::Image& out) override {
        if ((m_nWidth + 7) / 8 >= wantW && (m_nHeight + 7) / 8 >= wantH &&
            tg::DecodeJpegEighth(reinterpret_cast<const uint8_t*>(m_bytes.data()), m_bytes.size(), out))
            return true;
        std::string().swap(m_bytes);
        std::unique_ptr<CPictureSource> system = OpenWithWic(m_strPath.c_str());
        if (!system) system = OpenWithGdiplus(m_strPath.c_str());
        return system && system->Decode(wantW, wantH, out);
    }

private:
    std::string m_strPath;
    std::string m_bytes;
};

// A photograph stored on its side: reports and decodes the upright picture.
class COrientedSource : public CPictureSource {
public:
    COrientedSource(std::unique_ptr<CPictureSource> inner, int orientation)
        : m_inner(std::move(inner)), m_nOrientation(orientation) {
        const bool swap = exif::SwapsAxes(orientation);
        m_nWidth = swap ? m_inner->Height() : m_inner->Width();
        m_nHeight = swap ? m_inner->Width() : m_inner->Height();
    }
    bool Decode(int wantW, int wantH, tg::Image& out) override {
        if (exif::SwapsAxes(m_nOrientation)) std::swap(wantW, wantH);
        return m_inner->Decode(wantW, wantH, out) && tg::Orient(out, m_nOrientation);
    }

private:
    std::unique_ptr<CPictureSource> m_inner;
    int m_nOrientation;
};

// The orientation tag of a JPEG or TIFF file; upright when there is none or it cannot be read.
int FileOrientation(const char* path, bool tiff) {
    FILE* f = OpenFileForReading(path);
    if (!f) return exif::kUpright;
    const exif::ReadAt read = [f](uint64_t offset, void* buf, size_t n) {
        return offset <= 0x7FFFFFFF && std::fseek(f, static_cast<long>(offset), SEEK_SET) == 0 &&
               std::fread(buf, 1, n, f) == n;
    };
    const int orientation = tiff ? exif::TiffOrientation(read) : exif::JpegOrientation(read);
    std::fclose(f);
    return orientation;
}

std::unique_ptr<CPictureSource> Upright(std::unique_ptr<CPictureSource> src, int orientation) {
    if (!src || orientation == exif::kUpright) return src;
    return std::unique_ptr<CPictureSource>(new COrientedSource(std::move(src), orientation));
}

std::string ExtensionOf(const char* path) {
    std::string s(path);
    const size_t dot = s.rfind('.');
    if (dot == std::string::npos || s.find_first_of("\\/", dot) != std::string::npos) return std::string();
    return AsciiLower(s.substr(dot + 1));
}

}  // namespace

CComScope::CComScope() {
    const HRESULT hr = CoInitialize(nullptr);
    m_bInitialized = SUCCEEDED(hr);  // a thread already in another apartment stays as it is
}

CComScope::~CComScope() {
    if (m_bInitialized) CoUninitialize();
}

std::unique_ptr<CPictureSource> OpenOwnFormat(const char* path, bool pcx) {
    std::unique_ptr<COwnFormatSource> src(new COwnFormatSource());
    if (!src->Open(path, pcx)) return nullptr;
    return src;
}

std::unique_ptr<CPictureSource> OpenPicture(const char* path) {
    if (!path || !*path) return nullptr;
    const std::string ext = ExtensionOf(path);
    const bool jpeg = ext == "jpg" || ext == "jpeg" || ext == "jpe" || ext == "jfif";
    const bool tiff = ext == "tif" || ext == "tiff";
    // The system decoders hand out the pixels as stored, whatever the tag says.
    return Upright(OpenStored(path, ext, jpeg), jpeg || tiff ? FileOrientation(path, tiff) : exif::kUpright);
}

std::unique_ptr<CPictureSource> OpenStored(const char* path, const std::string& ext, bool jpeg) {
    if (ext == "tga") return OpenOwnFormat(path, false);
    if (ext == "pcx") return OpenOwnFormat(path, true);
    if (ext == "emf" || ext == "wmf") return OpenMetafile(path, ext == "wmf");
    if (jpeg) {
        std::unique_ptr<CJpegSource> src(new CJpegSource());
        if (src->Open(path)) return src;
    }
    if (auto src = OpenWithWic(path)) return src;
    return OpenWithGdiplus(path);
}
