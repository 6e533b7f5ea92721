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
