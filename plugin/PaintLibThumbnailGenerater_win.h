// The file is spelled as its class CPaintLibThumbnailGenerater is named.
// Loads the picture plug-in tg.dll and calls its two entry points.
#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

class CPaintLibThumbnailGenerater {
public:
    // libraryPath: empty for tg.dll beside the executable.
    explicit CPaintLibThumbnailGenerater(std::string libraryPath = std::string());
    virtual ~CPaintLibThumbnailGenerater();
    CPaintLibThumbnailGenerater(const CPaintLibThumbnailGenerater&) = delete;
    CPaintLibThumbnailGenerater& operator=(const CPaintLibThumbnailGenerater&) = delete;

    // Loads the library (the message hook is told when it is missing) and finds both entry
    // points.
    virtual bool Load();
    virtual bool IsValid() const { return true; }
    // Deletes what bitmap holds, then on success sets it to a thumbnail that fits box.
    virtual bool GenerateThumbnail(const char* path, HBITMAP& bitmap, SIZE box);
    // The same, also giving the picture's own size.
    virtual bool GenerateThumbnail(const char* path, HBITMAP& bitmap, SIZE box, int& pictureWidth, int& pictureHeight);

    // The display window's render: on success dc holds the picture (size in: the box, out:
    // the picture's size) and previous the bitmap to select back before deleting both.
    bool GenerateToDC(const char* path, uint32_t mode, HDC& dc, SIZE& size, HBITMAP& previous) const;
    bool CanRender() const { return m_pfnToDC != nullptr; }

    // How a missing library reaches the user: the program shows its own message, in its
    // language and over its window; without a hook only the trace is left.
    using MessageFn = std::function<void()>;
    static void SetMessageFn(MessageFn fn);

private:
    // The wide-path exports: a name outside the code page reaches the plug-in whole.
    using ToDCFn = BOOL(WINAPI*)(const wchar_t*, DWORD, HDC*, SIZE*, HBITMAP*);
    using Thumbnail2Fn = BOOL(WINAPI*)(const wchar_t*, int, int, HBITMAP*, int*, int*);

    std::string m_strLibraryPath;
    HMODULE m_hModule = nullptr;
    ToDCFn m_pfnToDC = nullptr;
    Thumbnail2Fn m_pfnThumbnail2 = nullptr;
};
