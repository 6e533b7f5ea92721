#include <unistd.h>

#include "base/ProgramPath.h"

std::string ProgramFilePath() {
    char buf[4096];
    ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    return n > 0 ? std::string(buf, static_cast<size_t>(n)) : std::string("./velum");
}
