#include <windows.h>

#include <cstdio>

#include "base/File.h"
#include "base/Trace.h"
#include "base/WideName_win.h"

FILE* OpenFileForReading(const std::string& path) {
    return _wfopen(WideName(path).c_str(), L"rb");
}

bool DeleteFileAt(const std::string& path) {
    return DeleteFileW(WideName(path).c_str()) != 0;
}

bool MoveFileKeeping(const std::string& from, const std::string& to) {
    return MoveFileExW(WideName(from).c_str(), WideName(to).c_str(), MOVEFILE_WRITE_THROUGH) != 0;
}

bool WriteFileReplacing(const std::string& path, const std::string& bytes) {
    const std::wstring target = WideName(path);
    const std::wstring temp = target + L".new";
    HANDLE h = CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        VL_TRACE();
        return false;
    }
    bool ok = true;
    size_t done = 0;
    while (ok && done < bytes.size()) {
        DWORD chunk = static_cast<DWORD>(bytes.size() - done > 1u << 20 ? 1u << 20 : bytes.size() - done);
        DWORD written = 0;
        ok = WriteFile(h, bytes.data() + done, chunk, &written, nullptr) && written == chunk;
        done += written;
    }
    ok = ok && FlushFileBuffers(h);
    ok = CloseHandle(h) && ok;
    if (!ok) {
        VL_TRACE();
        DeleteFileW(temp.c_str());
        return false;
    }
    // ReplaceFile keeps the old file's attributes and security; it needs an existing target.
    if (GetFileAttributesW(target.c_str()) != INVALID_FILE_ATTRIBUTES &&
        ReplaceFileW(target.c_str(), temp.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)) {
        return true;
    }
    if (MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
    VL_TRACE();
    DeleteFileW(temp.c_str());
    return false;
}
