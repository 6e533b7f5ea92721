// GDI+ through its flat API, loaded at run time: the codecs of systems without WIC.
#include <windows.h>

#include <vector>

#include "tg/Picture_win.h"

namespace {

struct StartupInput {
    UINT32 version = 1;
    void* debugCallback = nullptr;
    BOOL suppressBackgroundThread = FALSE;
    BOOL suppressExternalCodecs = FALSE;
};
struct LockedData {
    UINT width, height;
    INT stride;
    INT format;
    void* scan0;
    UINT_PTR reserved;
};
struct LockRect {
    INT x, y, width, height;
};
constexpr INT kFormat32bppPARGB = 0x000E200B;
constexpr UINT kLockRead = 1, kLockUserBuffer = 4;

using StartupFn = int(WINAPI*)(ULONG_PTR*, const StartupInput*, void*);
using ShutdownFn = void(WINAPI*)(ULONG_PTR);
using CreateFromFileFn = int(WINAPI*)(const WCHAR*, void**);
using GetSizeFn = int(WINAPI*)(void*, UINT*);
using LockFn = int(WINAPI*)(void*, const LockRect*, UINT, INT, LockedData*);
using UnlockFn = int(WINAPI*)(void*, LockedData*);
using DisposeFn = int(WINAPI*)(void*);

template <class F>
F Proc(HMODULE module, const char* name) {
    return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

class CGdiplusSource : public CPictureSource {
public:
    ~CGdiplusSource() override {
        if (m_bitmap) m_dispose(m_bitmap);
        if (m_token) m_shutdown(m_token);
        if (m_module) FreeLibrary(m_module);
    }

    bool Open(const char* path) {
        m_module = LoadLibraryA("gdiplus.dll");
        if (!m_module) return false;
        auto startup = Proc<StartupFn>(m_module, "GdiplusStartup");
        m_shutdown = Proc<ShutdownFn>(m_module, "GdiplusShutdown");
        auto create = Proc<CreateFromFileFn>(m_module, "GdipCreateBitmapFromFile");
        auto width = Proc<GetSizeFn>(m_module, "GdipGetImageWidth");
        auto height = Proc<GetSizeFn>(m_module, "GdipGetImageHeight");
        m_lock = Proc<LockFn>(m_module, "GdipBitmapLockBits");
        m_unlock = Proc<UnlockFn>(m_module, "GdipBitmapUnlockBits");
        m_dispose = Proc<DisposeFn>(m_module, "GdipDisposeImage");
        if (!startup || !m_shutdown || !create || !width || !height || !m_lock || !m_unlock || !m_dispose) return false;
        StartupInput input;
        if (startup(&m_token, &input, nullptr) != 0) {
            m_token = 0;
            return false;
        }
        const int n = MultiByteToWideChar(CP_ACP, 0, path, -1, nullptr, 0);
        if (n <= 0) return false;
        std::vector<WCHAR> wide(n);
        MultiByteToWideChar(CP_ACP, 0, path, -1, wide.data(), n);
        if (create(wide.data(), &m_bitmap) != 0) {
            m_bitmap = nullptr;
            return false;
        }
        UINT w = 0, h = 0;
        if (width(m_bitmap, &w) != 0 || height(m_bitmap, &h) != 0 || w == 0 || h == 0 || w > 0x7FFFFFFF ||
            h > 0x7FFFFFFF)
            return false;
        m_nWidth = static_cast<int>(w);
        m_nHeight = static_cast<int>(h);
        return true;
    }

    bool Decode(int, int, tg::Image& out) override {
        if (!out.Allocate(m_nWidth, m_nHeight)) return false;
        LockRect rect = {0, 0, m_nWidth, m_nHeight};
        LockedData data = {};
        data.width = static_cast<UINT>(m_nWidth);
        data.height = static_cast<UINT>(m_nHeight);
        data.stride = m_nWidth * 4;
        data.format = kFormat32bppPARGB;
        data.scan0 = out.pixels.data();
        if (m_lock(m_bitmap, &rect, kLockRead | kLockUserBuffer, kFormat32bppPARGB, &data) != 0) {
            out = tg::Image();
            return false;
        }
        m_unlock(m_bitmap, &data);
        for (uint32_t& px : out.pixels) px |= 0xFF000000u;
        return true;
    }

private:
    HMODULE m_module = nullptr;
    ULONG_PTR m_token = 0;
    void* m_bitmap = nullptr;
    ShutdownFn m_shutdown = nullptr;
    LockFn m_lock = nullptr;
    UnlockFn m_unlock = nullptr;
    DisposeFn m_dispose = nullptr;
};

}  // namespace

std::unique_ptr<CPictureSource> OpenWithGdiplus(const char* path) {
    std::unique_ptr<CGdiplusSource> src(new CGdiplusSource());
    if (!src->Open(path)) return nullptr;
    return src;
}
