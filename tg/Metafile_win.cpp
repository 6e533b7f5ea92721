// EMF and WMF pictures, played back by GDI at the size asked for.
#include <windows.h>

#include <cstring>
#include <string>

#include "base/File.h"
#include "base/WideName_win.h"
#include "tg/Picture_win.h"

namespace {

constexpr size_t kMaxMetafileBytes = 64u << 20;
constexpr uint32_t kPlaceableKey = 0x9AC6CDD7u;

int16_t S16(const std::string& b, size_t at) {
    return static_cast<int16_t>(static_cast<uint8_t>(b[at]) | (static_cast<uint8_t>(b[at + 1]) << 8));
}

class CMetafileSource : public CPictureSource {
public:
    ~CMetafileSource() override {
        if (m_emf) DeleteEnhMetaFile(m_emf);
    }

    bool Open(const char* path, bool wmf) {
        if (!wmf) {
            m_emf = GetEnhMetaFileW(WideName(path).c_str());
        } else {
            std::string b;
            if (ReadFileBytes(path, b, kMaxMetafileBytes) != ReadResult::Ok || b.size() < 18) return false;
            uint32_t key;
            std::memcpy(&key, b.data(), 4);
            METAFILEPICT pict = {MM_ANISOTROPIC, 0, 0, nullptr};
            const METAFILEPICT* pictPtr = nullptr;
            size_t skip = 0;
            if (key == kPlaceableKey) {
                // The placeable header gives the picture's frame in units of 1/inch.
                if (b.size() < 22 + 18) return false;
                const int w = S16(b, 10) - S16(b, 6), h = S16(b, 12) - S16(b, 8);
                const int inch = static_cast<uint16_t>(S16(b, 14));
                if (w <= 0 || h <= 0 || inch == 0) return false;
                pict.xExt = MulDiv(w, 2540, inch);  // HIMETRIC
                pict.yExt = MulDiv(h, 2540, inch);
                pictPtr = &pict;
                skip = 22;
            }
            m_emf = SetWinMetaFileBits(static_cast<UINT>(b.size() - skip),
                                       reinterpret_cast<const BYTE*>(b.data() + skip), nullptr, pictPtr);
        }
        if (!m_emf) return false;
        ENHMETAHEADER hdr = {};
        if (!GetEnhMetaFileHeader(m_emf, sizeof hdr, &hdr) || hdr.szlMillimeters.cx <= 0 || hdr.szlMillimeters.cy <= 0)
            return false;
        // The frame is in 0.01 mm; the reference device says how many pixels that is.
        const int64_t fw = int64_t(hdr.rclFrame.right) - hdr.rclFrame.left;
        const int64_t fh = int64_t(hdr.rclFrame.bottom) - hdr.rclFrame.top;
        const int64_t w = fw * hdr.szlDevice.cx / (int64_t(hdr.szlMillimeters.cx) * 100);
        const int64_t h = fh * hdr.szlDevice.cy / (int64_t(hdr.szlMillimeters.cy) * 100);
        if (!tg::FitsBudget(w, h)) return false;
        m_nWidth = static_cast<int>(w);
        m_nHeight = static_cast<int>(h);
        return true;
    }

    bool Decode(int wantW, int wantH, tg::Image& out) override {
        if (!out.Allocate(wantW, wantH)) return false;
        BITMAPINFO bi = {};
        bi.bmiHeader.biSize = sizeof bi.bmiHeader;
        bi.bmiHeader.biWidth = wantW;
        bi.bmiHeader.biHeight = -wantH;
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        HDC dc = CreateCompatibleDC(nullptr);
        HBITMAP dib = dc ? CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0) : nullptr;
        bool ok = false;
        if (dib && bits) {
            HGDIOBJ old = SelectObject(dc, dib);
            RECT r = {0, 0, wantW, wantH};
            PatBlt(dc, 0, 0, wantW, wantH, WHITENESS);
            ok = PlayEnhMetaFile(dc, m_emf, &r) != FALSE;
            GdiFlush();
            if (ok) std::memcpy(out.pixels.data(), bits, out.pixels.size() * 4);
            SelectObject(dc, old);
        }
        if (dib) DeleteObject(dib);
        if (dc) DeleteDC(dc);
        if (!ok) {
            out = tg::Image();
            return false;
        }
        for (uint32_t& px : out.pixels) px |= 0xFF000000u;
        return true;
    }

private:
    HENHMETAFILE m_emf = nullptr;
};

}  // namespace

std::unique_ptr<CPictureSource> OpenMetafile(const char* path, bool wmf) {
    std::unique_ptr<CMetafileSource> src(new CMetafileSource());
    if (!src->Open(path, wmf)) return nullptr;
    return src;
}
