#include "base/Trace.h"

#include <cstdio>
#include <cstring>

namespace {
std::function<void(const std::string&)>& Sink() {
    static std::function<void(const std::string&)> sink;
    return sink;
}

const char* BaseName(const char* path) {
    const char* name = path;
    for (const char* p = path; *p; ++p) {
        if (*p == '/' || *p == '\\') name = p + 1;
    }
    return name;
}

void Emit(const std::string& line) {
    if (Sink()) {
        Sink()(line);
    } else {
        PlatformDebugOutput(line.c_str());
    }
}
}  // namespace

void SetTraceSink(std::function<void(const std::string&)> sink) {
    Sink() = std::move(sink);
}

void VelumTrace(const char* file, int line) {
    char buf[512];
    std::snprintf(buf, sizeof buf, "error filename: %s  line: %d", BaseName(file), line);
    Emit(buf);
}

void VelumTraceMsg(const char* file, int line, const char* msg) {
    char buf[1024];
    std::snprintf(buf, sizeof buf, "error filename: %s  line: %d ; error msg: %s", BaseName(file), line,
                  msg ? msg : "");
    Emit(buf);
}

void VelumTraceText(const char* text) {
    Emit(text ? text : "");
}
