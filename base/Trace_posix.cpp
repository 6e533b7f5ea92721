#include <cstdio>
#include <cstdlib>

#include "base/Trace.h"

// There is no debugger output natively; VELUM_TRACE=1 sends the trace to stderr.
void PlatformDebugOutput(const char* text) {
    static const bool enabled = std::getenv("VELUM_TRACE") != nullptr;
    if (enabled) std::fprintf(stderr, "%s\n", text);
}
