#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

#include "base/File.h"
#include "base/Trace.h"

FILE* OpenFileForReading(const std::string& path) {
    return std::fopen(path.c_str(), "rb");
}

bool DeleteFileAt(const std::string& path) {
    return std::remove(path.c_str()) == 0;
}

bool MoveFileKeeping(const std::string& from, const std::string& to) {
    // rename() would replace a file at to; a second link fails instead.
    if (::link(from.c_str(), to.c_str()) != 0) return false;
    if (::unlink(from.c_str()) == 0) return true;
    ::unlink(to.c_str());
    return false;
}

bool WriteFileReplacing(const std::string& path, const std::string& bytes) {
    const std::string temp = path + ".new";
    int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) {
        VL_TRACE();
        return false;
    }
    bool ok = true;
    size_t done = 0;
    while (ok && done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n <= 0) {
            ok = false;
        } else {
            done += static_cast<size_t>(n);
        }
    }
    ok = ok && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (!ok || std::rename(temp.c_str(), path.c_str()) != 0) {
        VL_TRACE();
        ::unlink(temp.c_str());
        return false;
    }
    return true;
}
