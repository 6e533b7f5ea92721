// The system's codecs through WIC, created at run time (absent before XP SP3).
#include <windows.h>
#include <wincodec.h>

#include <vector>

#include "base/WideName_win.h"
#include "tg/Picture_win.h"

namespace {

const CLSID kClsidWicFactory = {0xcacaf262, 0x9370, 0x4615, {0xa1, 0x3b, 0x9f, 0x55, 0x39, 0xda, 0x4c, 0x0a}};
const GUID kFormat32bppPBGRA = {0x6fddc324, 0x4e03, 0x4bfe, {0xb1, 0x85, 0x3d, 0x77, 0x76, 0x8d, 0xc9, 0x10}};
const GUID kFormat32bppBGRA = {0x6fddc324, 0x4e03, 0x4bfe, {0xb1, 0x85, 0x3d, 0x77, 0x76, 0x8d, 0xc9, 0x0f}};
const GUID kFormat32bppBGR = {0x6fddc324, 0x4e03, 0x4bfe, {0xb1, 0x85, 0x3d, 0x77, 0x76, 0x8d, 0xc9, 0x0e}};
const GUID kFormat24bppBGR = {0x6fddc324, 0x4e03, 0x4bfe, {0xb1, 0x85, 0x3d, 0x77, 0x76, 0x8d, 0xc9, 0x0c}};
const GUID kFormat8bppGray = {0x6fddc324, 0x4e03, 0x4bfe, {0xb1, 0x85, 0x3d, 0x77, 0x76, 0x8d, 0xc9, 0x08}};

// Scaled decoding, offered by the JPEG codec; not declared by every SDK.
const IID kIidSourceTransform = {0x3b16811b, 0x6a43, 0x4ec9, {0xb7, 0x13, 0x3d, 0x5a, 0x0c, 0x13, 0xb9, 0x40}};
struct ISourceTransform : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE CopyPixels(const WICRect* rect, UINT width, UINT height, GUID* format,
                                                 WICBitmapTransformOptions transform, UINT stride, UINT size,
                                                 BYTE* buffer) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetClosestSize(UINT* width, UINT* height) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetClosestPixelFormat(GUID* format) = 0;
    virtual HRESULT STDMETHODCALLTYPE DoesSupportTransform(WICBitmapTransformOptions transform, BOOL* supported) = 0;
};

template <class T>
class CComPtr {
public:
    CComPtr() = default;
    ~CComPtr() { Reset(); }
    CComPtr(const CComPtr&) = delete;
    CComPtr& operator=(const CComPtr&) = delete;
    void Reset() {
        if (m_p) m_p->Release();
        m_p = nullptr;
    }
    T** operator&() {
        Reset();
        return &m_p;
    }
    T* operator->() const { return m_p; }
    T* Get() const { return m_p; }

private:
    T* m_p = nullptr;
};

class CWicSource : public CPictureSource {
public:
    bool Open(const char* path) {
        const std::wstring wide = WideName(path);
        if (FAILED(CoCreateInstance(kClsidWicFactory, nullptr, CLSCTX_INPROC_SERVER, __uuidof(IWICImagingFactory),
                                    reinterpret_cast<void**>(&m_factory))))
            return false;
        if (FAILED(m_factory->CreateDecoderFromFilename(wide.c_str(), nullptr, GENERIC_READ,
                                                        WICDecodeMetadataCacheOnDemand, &m_decoder)))
            return false;
        if (FAILED(m_decoder->GetFrame(0, &m_frame))) return false;
        UINT w = 0, h = 0;
        if (FAILED(m_frame->GetSize(&w, &h)) || w == 0 || h == 0 || w > 0x7FFFFFFF || h > 0x7FFFFFFF) return false;
        m_nWidth = static_cast<int>(w);
        m_nHeight = static_cast<int>(h);
        return true;
    }

    bool Decode(int wantW, int wantH, tg::Image& out) override {
        if (wantW * 2 <= m_nWidth && wantH * 2 <= m_nHeight && DecodeScaled(wantW, wantH, out)) return true;
        if (!out.Allocate(m_nWidth, m_nHeight)) return false;
        CComPtr<IWICFormatConverter> conv;
        bool ok = SUCCEEDED(m_factory->CreateFormatConverter(&conv)) &&
                  SUCCEEDED(conv->Initialize(m_frame.Get(), kFormat32bppPBGRA, WICBitmapDitherTypeNone, nullptr, 0,
                                             WICBitmapPaletteTypeCustom)) &&
                  SUCCEEDED(conv->CopyPixels(nullptr, m_nWidth * 4, static_cast<UINT>(out.pixels.size() * 4),
                                             reinterpret_cast<BYTE*>(out.pixels.data())));
        if (!ok) {
            out = tg::Image();
            return false;
        }
        for (uint32_t& px : out.pixels) px |= 0xFF000000u;
        return true;
    }

private:
    // Lets the codec decode at a reduced size (JPEG: 1/2, 1/4, 1/8) no smaller than wanted.
    bool DecodeScaled(int wantW, int wantH, tg::Image& out) {
        CComPtr<ISourceTransform> xf;
        if (FAILED(m_frame->QueryInterface(kIidSourceTransform, reinterpret_cast<void**>(&xf)))) return false;
        UINT w = static_cast<UINT>(wantW), h = static_cast<UINT>(wantH);
        if (FAILED(xf->GetClosestSize(&w, &h))) return false;
        if (w < static_cast<UINT>(wantW) || h < static_cast<UINT>(wantH) || w >= static_cast<UINT>(m_nWidth))
            return false;
        GUID format = kFormat24bppBGR;
        if (FAILED(xf->GetClosestPixelFormat(&format))) return false;
        int bytes;
        if (IsEqualGUID(format, kFormat24bppBGR)) {
            bytes = 3;
        } else if (IsEqualGUID(format, kFormat32bppBGR) || IsEqualGUID(format, kFormat32bppBGRA)) {
            bytes = 4;
        } else if (IsEqualGUID(format, kFormat8bppGray)) {
            bytes = 1;
        } else {
            return false;
        }
        if (!out.Allocate(static_cast<int>(w), static_cast<int>(h))) return false;
        const UINT stride = (w * bytes + 3) & ~3u;
        std::vector<BYTE> buf(static_cast<size_t>(stride) * h);
        if (FAILED(xf->CopyPixels(nullptr, w, h, &format, WICBitmapTransformRotate0, stride,
                                  static_cast<UINT>(buf.size()), buf.data()))) {
            out = tg::Image();
            return false;
        }
        for (UINT y = 0; y < h; ++y) {
            const BYTE* s = buf.data() + static_cast<size_t>(y) * stride;
            uint32_t* d = out.Row(static_cast<int>(y));
            for (UINT x = 0; x < w; ++x, s += bytes)
                d[x] = bytes == 1 ? tg::Pixel(s[0], s[0], s[0]) : tg::Pixel(s[2], s[1], s[0]);
        }
        return true;
    }

    CComPtr<IWICImagingFactory> m_factory;
    CComPtr<IWICBitmapDecoder> m_decoder;
    CComPtr<IWICBitmapFrameDecode> m_frame;
};

}  // namespace

std::unique_ptr<CPictureSource> OpenWithWic(const char* path) {
    std::unique_ptr<CWicSource> src(new CWicSource());
    if (!src->Open(path)) return nullptr;
    return src;
}
