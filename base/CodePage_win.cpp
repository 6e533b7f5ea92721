#include "base/CodePage.h"

#include <windows.h>

#include <algorithm>

bool AnsiLeadByte(unsigned char c) {
    return IsDBCSLeadByte(c) != FALSE;
}

void AnsiToWideBuffer(const std::string& text, wchar_t* buffer, int size) {
    if (!buffer || size <= 0) return;
    // Converted whole, then cut: a conversion into a buffer too small fails and gives nothing.
    const int length = static_cast<int>(text.size());
    const int needed = length > 0 ? MultiByteToWideChar(CP_ACP, 0, text.c_str(), length, nullptr, 0) : 0;
    std::wstring wide(static_cast<size_t>(needed > 0 ? needed : 0), L'\0');
    if (needed > 0) MultiByteToWideChar(CP_ACP, 0, text.c_str(), length, &wide[0], needed);
    const size_t n = std::min(wide.size(), static_cast<size_t>(size - 1));
    wide.copy(buffer, n);
    buffer[n] = 0;
}

bool AnsiToUtf16Exact(const std::string& ansi, std::u16string& out) {
    out.clear();
    if (ansi.empty()) return true;
    const int length = static_cast<int>(ansi.size());
    const int needed = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, ansi.data(), length, nullptr, 0);
    if (needed <= 0) return false;
    std::wstring wide(static_cast<size_t>(needed), L'\0');
    MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, ansi.data(), length, &wide[0], needed);
    std::string back;
    if (!Utf16ToAnsiExact(std::u16string(wide.begin(), wide.end()), back) || back != ansi) return false;
    out.assign(wide.begin(), wide.end());
    return true;
}

bool Utf16ToAnsiExact(const std::u16string& text, std::string& out) {
    out.clear();
    if (text.empty()) return true;
    const std::wstring wide(text.begin(), text.end());
    const int length = static_cast<int>(wide.size());
    BOOL usedDefault = FALSE;
    const int needed =
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), length, nullptr, 0, nullptr, &usedDefault);
    if (needed <= 0 || usedDefault) return false;
    out.assign(static_cast<size_t>(needed), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), length, &out[0], needed, nullptr, &usedDefault);
    // No best fit is not enough on every system: the bytes must read back as the same text.
    const int back = MultiByteToWideChar(CP_ACP, 0, out.data(), needed, nullptr, 0);
    std::wstring check(static_cast<size_t>(back > 0 ? back : 0), L'\0');
    if (back > 0) MultiByteToWideChar(CP_ACP, 0, out.data(), needed, &check[0], back);
    if (usedDefault || check != wide) {
        out.clear();
        return false;
    }
    return true;
}
