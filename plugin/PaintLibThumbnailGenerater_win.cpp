#include "plugin/PaintLibThumbnailGenerater_win.h"

#include "base/ProgramPath.h"
#include "base/Trace.h"
#include "lang/LangKeys.h"
#include "lang/LanguageManager.h"

namespace {

// Shown while no language is loaded yet.
const char kLoadFailedText[] = "Failed in loading tg.dll";

void ShowMessageBox(const char* text) {
    MessageBoxA(nullptr, text, "Velum", MB_OK | MB_ICONHAND);
}

CPaintLibThumbnailGenerater::MessageFn g_messageFn = ShowMessageBox;

template <class F>
F Proc(HMODULE module, const char* name) {
    return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace

void CPaintLibThumbnailGenerater::SetMessageFn(MessageFn fn) {
    g_messageFn = fn ? fn : ShowMessageBox;
}

CPaintLibThumbnailGenerater::CPaintLibThumbnailGenerater(std::string libraryPath, const CLanguageManager* texts)
    : m_strLibraryPath(std::move(libraryPath)), m_pTexts(texts) {}

CPaintLibThumbnailGenerater::~CPaintLibThumbnailGenerater() {
    if (m_hModule) FreeLibrary(m_hModule);
}

bool CPaintLibThumbnailGenerater::Load() {
    if (!m_hModule) {
        // The full path: a tg.dll in the current folder must not be picked up instead.
        const std::string path = m_strLibraryPath.empty() ? ProgramFolder() + "\\tg.dll" : m_strLibraryPath;
        m_hModule = LoadLibraryA(path.c_str());
        if (!m_hModule) {
            VL_TRACE();
            const CLanguageManager& texts = m_pTexts ? *m_pTexts : GetLanguageManager();
            std::string text = kLoadFailedText;
            if (texts.HasCurrentLanguage()) texts.GetString(langsec::kStrings, "0004", text);
            g_messageFn(text.c_str());
            return false;
        }
    }
    if (!m_pfnThumbnail2) m_pfnThumbnail2 = Proc<Thumbnail2Fn>(m_hModule, "fn_b_GenerateThumbnail2");
    if (!m_pfnThumbnail2) return false;
    if (!m_pfnToDC) m_pfnToDC = Proc<ToDCFn>(m_hModule, "fn_b_GenerateThumbnailToDC");
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
    if (!m_pfnThumbnail2(path, box.cx, box.cy, &made, &pictureWidth, &pictureHeight) || !made) return false;
    bitmap = made;
    return true;
}

bool CPaintLibThumbnailGenerater::GenerateToDC(const char* path, uint32_t mode, HDC& dc, SIZE& size,
                                               HBITMAP& previous) const {
    if (!m_pfnToDC || !path) return false;
    HDC made = nullptr;
    HBITMAP old = nullptr;
    SIZE s = size;
    if (!m_pfnToDC(path, mode, &made, &s, &old) || !made) return false;
    dc = made;
    previous = old;
    size = s;
    return true;
}
