#include "base/WideName_win.h"

#include <windows.h>

#include <shellapi.h>

#include <cwchar>

#include "base/Unicode.h"

std::wstring WideName(const std::string& name) {
    std::u16string wide;
    Utf8ToUtf16(name, wide);
    return std::wstring(wide.begin(), wide.end());
}

std::string NameFromWide(const wchar_t* wide, size_t length) {
    std::string name;
    if (wide) Utf16ToUtf8(std::u16string(wide, wide + length), name);
    return name;
}

std::string NameFromWide(const wchar_t* wide) {
    return wide ? NameFromWide(wide, std::wcslen(wide)) : std::string();
}

long ShellOpen(void* owner, const std::string& name, int show) {
    return static_cast<long>(reinterpret_cast<INT_PTR>(
        ShellExecuteW(static_cast<HWND>(owner), L"open", WideName(name).c_str(), nullptr, nullptr, show)));
}
