// The plug-in's entry points, each with a path in the code page and one in UTF-16. All may
// run at once on different threads: every call works on its own objects and frees
// everything it made unless it hands it over. Inside, paths are names (UTF-8).
#include <windows.h>

#include <new>

#include "base/Unicode.h"
#include "base/WideName_win.h"
#include "tg/Picture_win.h"
#include "tg/core/Scale.h"
#include "tg/core/Sizing.h"

namespace {

// A top-down 32-bit DIB section; bits receives its pixels.
HBITMAP CreateDib(int w, int h, uint32_t** bits) {
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* p = nullptr;
    HBITMAP bmp = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &p, nullptr, 0);
    if (bmp && !p) {
        DeleteObject(bmp);
        return nullptr;
    }
    *bits = static_cast<uint32_t*>(p);
    return bmp;
}

class CBitmapHolder {
public:
    ~CBitmapHolder() {
        if (m_bmp) DeleteObject(m_bmp);
    }
    HBITMAP Release() {
        HBITMAP b = m_bmp;
        m_bmp = nullptr;
        return b;
    }
    HBITMAP m_bmp = nullptr;
};

// Decodes path and draws it as plan says into a new DIB section.
HBITMAP Render(CPictureSource& src, const tg::RenderPlan& plan) {
    if (!tg::FitsBudget(plan.width, plan.height) || !tg::FitsBudget(plan.pictureWidth, plan.pictureHeight))
        return nullptr;
    tg::Image pic;
    if (!src.Decode(plan.pictureWidth, plan.pictureHeight, pic)) return nullptr;
    CBitmapHolder out;
    uint32_t* bits = nullptr;
    out.m_bmp = CreateDib(plan.width, plan.height, &bits);
    if (!out.m_bmp) return nullptr;
    if (plan.tiled) {
        if (pic.width != plan.pictureWidth || pic.height != plan.pictureHeight) {
            tg::Image scaled;
            if (!tg::Resample(pic, scaled, plan.pictureWidth, plan.pictureHeight)) return nullptr;
            pic.pixels.swap(scaled.pixels);
            pic.width = scaled.width;
            pic.height = scaled.height;
        }
        tg::Tile(pic, bits, plan.width, plan.height, plan.width);
    } else if (!tg::Resample(pic.pixels.data(), pic.width, pic.height, pic.width, bits, plan.width, plan.height,
                             plan.width)) {
        return nullptr;
    }
    GdiFlush();
    return out.Release();
}

BOOL ToDC(const char* path, DWORD mode, HDC* dc, SIZE* size, HBITMAP* previous) {
    if (!path || !dc || !size || !previous) return FALSE;
    try {
        CComScope com;
        std::unique_ptr<CPictureSource> src = OpenPicture(path);
        if (!src) return FALSE;
        tg::RenderPlan plan;
        if (!tg::PlanRender(mode, size->cx, size->cy, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                            src->Width(), src->Height(), plan))
            return FALSE;
        CBitmapHolder bmp;
        bmp.m_bmp = Render(*src, plan);
        if (!bmp.m_bmp) return FALSE;
        HDC mem = CreateCompatibleDC(nullptr);
        if (!mem) return FALSE;
        HGDIOBJ old = SelectObject(mem, bmp.m_bmp);
        if (!old || old == HGDI_ERROR) {
            DeleteDC(mem);
            return FALSE;
        }
        bmp.Release();  // now owned by the caller through the device context
        *dc = mem;
        *previous = static_cast<HBITMAP>(old);
        size->cx = plan.width;
        size->cy = plan.height;
        return TRUE;
    } catch (...) {  // out of memory on the way: nothing is handed out
        return FALSE;
    }
}

BOOL Thumbnail(const char* path, int boxWidth, int boxHeight, HBITMAP* bitmap, int* pictureWidth, int* pictureHeight) {
    if (!path || !bitmap) return FALSE;
    try {
        CComScope com;
        std::unique_ptr<CPictureSource> src = OpenPicture(path);
        if (!src) return FALSE;
        tg::RenderPlan plan;
        if (!tg::PlanThumbnail(boxWidth, boxHeight, src->Width(), src->Height(), plan.width, plan.height)) return FALSE;
        plan.pictureWidth = plan.width;
        plan.pictureHeight = plan.height;
        HBITMAP bmp = Render(*src, plan);
        if (!bmp) return FALSE;
        *bitmap = bmp;
        if (pictureWidth) *pictureWidth = src->Width();
        if (pictureHeight) *pictureHeight = src->Height();
        return TRUE;
    } catch (...) {
        return FALSE;
    }
}

}  // namespace

extern "C" BOOL WINAPI fn_b_GenerateThumbnailToDC(const char* path, DWORD mode, HDC* dc, SIZE* size,
                                                  HBITMAP* previous) {
    try {
        return path ? ToDC(AnsiToName(path).c_str(), mode, dc, size, previous) : FALSE;
    } catch (...) {
        return FALSE;
    }
}

extern "C" BOOL WINAPI fn_b_GenerateThumbnailToDCW(const wchar_t* path, DWORD mode, HDC* dc, SIZE* size,
                                                   HBITMAP* previous) {
    try {
        return path ? ToDC(NameFromWide(path).c_str(), mode, dc, size, previous) : FALSE;
    } catch (...) {
        return FALSE;
    }
}

extern "C" BOOL WINAPI fn_b_GenerateThumbnail2(const char* path, int boxWidth, int boxHeight, HBITMAP* bitmap,
                                               int* pictureWidth, int* pictureHeight) {
    try {
        return path ? Thumbnail(AnsiToName(path).c_str(), boxWidth, boxHeight, bitmap, pictureWidth, pictureHeight)
                    : FALSE;
    } catch (...) {
        return FALSE;
    }
}

extern "C" BOOL WINAPI fn_b_GenerateThumbnail2W(const wchar_t* path, int boxWidth, int boxHeight, HBITMAP* bitmap,
                                                int* pictureWidth, int* pictureHeight) {
    try {
        return path ? Thumbnail(NameFromWide(path).c_str(), boxWidth, boxHeight, bitmap, pictureWidth, pictureHeight)
                    : FALSE;
    } catch (...) {
        return FALSE;
    }
}
