// GDI+ through its flat API, loaded at run time: the codecs of systems without WIC.
#include <windows.h>

#include <string>
#include <vector>

#include "base/Sync.h"
#include "base/WideName_win.h"
#include "tg/Picture_win.h"
#include "tg/core/LibraryPath.h"

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
using CreateFromFileFn = int(WINAPI*)(const WCHAR*, void**);
using GetSizeFn = int(WINAPI*)(void*, UINT*);
using LockFn = int(WINAPI*)(void*, const LockRect*, UINT, INT, LockedData*);
using UnlockFn = int(WINAPI*)(void*, LockedData*);
using DisposeFn = int(WINAPI*)(void*);

template <class F>
F Proc(HMODULE module, const char* name) {
    return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

struct Api {
    HMODULE module = nullptr;
    CreateFromFileFn create = nullptr;
    GetSizeFn width = nullptr, height = nullptr;
    LockFn lock = nullptr;
    UnlockFn unlock = nullptr;
    DisposeFn dispose = nullptr;
};

bool IsWindows2000() {
    OSVERSIONINFOA v = {};
    v.dwOSVersionInfoSize = sizeof v;
    return GetVersionExA(&v) && v.dwPlatformId == VER_PLATFORM_WIN32_NT && v.dwMajorVersion == 5 &&
           v.dwMinorVersion == 0;
}

// The folder of this plug-in (not of the program that loaded it), without a backslash.
std::string PluginFolder() {
    MEMORY_BASIC_INFORMATION info = {};
    if (!VirtualQuery(reinterpret_cast<const void*>(&IsWindows2000), &info, sizeof info)) return std::string();
    char path[MAX_PATH] = {};
    const DWORD n = GetModuleFileNameA(static_cast<HMODULE>(info.AllocationBase), path, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return std::string();
    std::string folder(path, n);
    const size_t slash = folder.find_last_of('\\');
    return slash == std::string::npos ? std::string() : folder.substr(0, slash);
}

std::string SystemFolder() {
    char path[MAX_PATH] = {};
    const UINT n = GetSystemDirectoryA(path, MAX_PATH);
    return n == 0 || n >= MAX_PATH ? std::string() : std::string(path, n);
}

HMODULE LoadGdiplus() {
    const bool windows2000 = IsWindows2000();
    for (const std::string& path :
         GdiplusCandidates(windows2000, windows2000 ? PluginFolder() : std::string(), SystemFolder())) {
        if (HMODULE module = LoadLibraryA(path.c_str())) return module;
    }
    return nullptr;
}

Mutex g_startLock;
Api g_api;
bool g_bTried = false;
unsigned g_nStartups = 0;

// Started once for the process, by the first picture, and never shut down: up to five
// threads decode at once, and GDI+ must not be shut down from DllMain (it waits for its
// own thread there). The process's end takes it down.
const Api* StartedGdiplus() {
    LockGuard guard(g_startLock);
    if (g_bTried) return g_api.module ? &g_api : nullptr;
    g_bTried = true;
    HMODULE module = LoadGdiplus();
    if (!module) return nullptr;
    Api api;
    auto startup = Proc<StartupFn>(module, "GdiplusStartup");
    api.create = Proc<CreateFromFileFn>(module, "GdipCreateBitmapFromFile");
    api.width = Proc<GetSizeFn>(module, "GdipGetImageWidth");
    api.height = Proc<GetSizeFn>(module, "GdipGetImageHeight");
    api.lock = Proc<LockFn>(module, "GdipBitmapLockBits");
    api.unlock = Proc<UnlockFn>(module, "GdipBitmapUnlockBits");
    api.dispose = Proc<DisposeFn>(module, "GdipDisposeImage");
    ULONG_PTR token = 0;
    StartupInput input;
    if (!startup || !api.create || !api.width || !api.height || !api.lock || !api.unlock || !api.dispose ||
        startup(&token, &input, nullptr) != 0) {
        FreeLibrary(module);
        return nullptr;
    }
    ++g_nStartups;
    api.module = module;
    g_api = api;
    return &g_api;
}

class CGdiplusSource : public CPictureSource {
public:
    ~CGdiplusSource() override {
        if (m_bitmap) m_api->dispose(m_bitmap);
    }

    bool Open(const char* path) {
        m_api = StartedGdiplus();
        if (!m_api) return false;
        if (m_api->create(WideName(path).c_str(), &m_bitmap) != 0) {
            m_bitmap = nullptr;
            return false;
        }
        UINT w = 0, h = 0;
        if (m_api->width(m_bitmap, &w) != 0 || m_api->height(m_bitmap, &h) != 0 || w == 0 || h == 0 || w > 0x7FFFFFFF ||
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
        if (m_api->lock(m_bitmap, &rect, kLockRead | kLockUserBuffer, kFormat32bppPARGB, &data) != 0) {
            out = tg::Image();
            return false;
        }
        m_api->unlock(m_bitmap, &data);
        for (uint32_t& px : out.pixels) px |= 0xFF000000u;
        return true;
    }

private:
    const Api* m_api = nullptr;
    void* m_bitmap = nullptr;
};

}  // namespace

std::unique_ptr<CPictureSource> OpenWithGdiplus(const char* path) {
    std::unique_ptr<CGdiplusSource> src(new CGdiplusSource());
    if (!src->Open(path)) return nullptr;
    return src;
}

unsigned GdiplusStartups() {
    LockGuard guard(g_startLock);
    return g_nStartups;
}
