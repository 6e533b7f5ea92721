#include <windows.h>

#include <vector>

#include "base/ProgramPath.h"
#include "base/WideName_win.h"

std::string ProgramFilePath() {
    // A folder outside the code page can make the path longer than MAX_PATH only in UTF-8.
    std::vector<wchar_t> buf(MAX_PATH + 1);
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, buf.data(), static_cast<DWORD>(buf.size()));
        if (n < buf.size() - 1 || buf.size() >= 32768) return NameFromWide(buf.data(), n < buf.size() ? n : 0);
        buf.resize(buf.size() * 2);
    }
}
