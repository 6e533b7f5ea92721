#include "plugin/PaintLibThumbnailGenerater_win.h"

#include <utility>

#include "base/ProgramPath.h"
#include "base/Trace.h"
#include "base/WideName_win.h"

namespace {

CPaintLibThumbnailGenerater::MessageFn g_messageFn;

template <class F>
F Proc(HMODULE module, const char* name) {
    return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace

void CPaintLibThumbnailGenerater::SetMessageFn(MessageFn fn) {
    g_messageFn = std::move(fn);
}

CPaintLibThumbnailGenerater::CPaintLibThumbnailGenerater(std::string libraryPath)
    : m_strLibraryPath(std::move(libraryPath)) {}

CPaintLibThumbnailGenerater::~CPaintLibThumbnailGenerater() {
    if (m_hModule) FreeLibrary(m_hModule);
}

bool CPaintLibThumbnailGenerater::Load() {
    if (!m_hModule) {
        // The full path: a tg.dll in the current folder must not be picked up instead.
        const std::string path = m_strLibraryPath.empty() ? ProgramFolder() + "\\tg.dll" : m_strLibraryPath;
        m_hModule = LoadLibraryW(WideName(path).c_str());
        if (!m_hModule) {
            VL_TRACE();
            if (g_messageFn) g_messageFn();
            return false;
        }
    }
    if (!m_pfnThumbnail2) m_pfnThumbnail2 = Proc<Thumbnail2Fn>(m_hModule, "fn_b_GenerateThumbnail2W");
    if (!m_pfnThumbnail2) return false;
    if (!m_pfnToDC) m_pfnToDC = Proc<ToDCFn>(m_hModule, "fn_b_GenerateThumbnailToDCW");
    return m_pfnToDC != nullptr;
}

bool CPaintLibThumbnailGenerater::GenerateThumbnail(const char* path, HBITMAP& bitmap, SIZE box) {
    int w = 0, h = 0;
    return GenerateThumbnail(path, bitmap, box, w, h);
}

bool CPaintLibThumbnailGenerater::GenerateThumbnail(const char* path, HBITMAP& bitmap, SIZE box, int& pictureWidth,
                                                    int& pictureHeight) {
    if (bitmap) {
        DeleteObject(bitmap);
        bitmap = nullptr;
    }
    if (!m_pfnThumbnail2 || !path) return false;
    HBITMAP made = nullptr;
    if (!m_pfnThumbnail2(WideName(path).c_str(), box.cx, box.cy, &made, &pictureWidth, &pictureHeight) || !made)
        return false;
    bitmap = made;
    return true;
}

bool CPaintLibThumbnailGenerater::GenerateToDC(const char* path, uint32_t mode, HDC& dc, SIZE& size,
                                               HBITMAP& previous) const {
    if (!m_pfnToDC || !path) return false;
    HDC made = nullptr;
    HBITMAP old = nullptr;
    SIZE s = size;
    if (!m_pfnToDC(WideName(path).c_str(), mode, &made, &s, &old) || !made) return false;
    dc = made;
    previous = old;
    size = s;
    return true;
}
