#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "tools/Command.h"

namespace {
struct Entry {
    const char* usage;
    CommandFn fn;
};

std::map<std::string, Entry>& Registry() {
    static std::map<std::string, Entry> registry;
    return registry;
}

int PrintUsage() {
    std::fprintf(stderr, "usage:\n");
    for (const auto& e : Registry()) std::fprintf(stderr, "  velum-tool %s\n", e.second.usage);
    return 2;
}
}  // namespace

CommandRegistrar::CommandRegistrar(const char* name, const char* usage, CommandFn fn) {
    Registry()[name] = Entry{usage, fn};
}

int Fail(const std::string& reason) {
    std::fprintf(stderr, "velum-tool: %s\n", reason.c_str());
    return 1;
}

int Usage(const char* usage) {
    std::fprintf(stderr, "usage: velum-tool %s\n", usage);
    return 2;
}

void WriteOut(const std::string& bytes) {
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    std::fflush(stdout);
}

std::string ReadAllStdin() {
    std::string in;
    char buf[65536];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, stdin)) > 0) in.append(buf, n);
    return in;
}

int main(int argc, char** argv) {
#ifdef _WIN32
    // Output is bytes: the same on Windows as natively, no CR added.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stdin), _O_BINARY);
#endif
    if (argc < 2) return PrintUsage();
    auto it = Registry().find(argv[1]);
    if (it == Registry().end()) return PrintUsage();
    std::vector<std::string> args(argv + 2, argv + argc);
    try {
        return it->second.fn(args);
    } catch (const std::exception& e) {
        return Fail(e.what());
    }
}
