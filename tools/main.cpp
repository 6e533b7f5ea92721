#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <shellapi.h>

#include "base/Unicode.h"
#include "base/WideName_win.h"
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

// The words after the program's name, paths as names (UTF-8): the ANSI argv has lost what
// the code page lacks.
std::vector<std::string> Arguments(int argc, char** argv) {
#ifdef _WIN32
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide) {
        std::vector<std::string> args;
        for (int i = 1; i < count; ++i) args.push_back(NameFromWide(wide[i]));
        LocalFree(wide);
        return args;
    }
#endif
    return std::vector<std::string>(argv + 1, argv + argc);
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
#ifdef _WIN32
    // A reason may hold a name; the console shows the code page.
    std::fprintf(stderr, "velum-tool: %s\n", NameToAnsiLossy(reason).c_str());
#else
    std::fprintf(stderr, "velum-tool: %s\n", reason.c_str());
#endif
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
    std::vector<std::string> args = Arguments(argc, argv);
    if (args.empty()) return PrintUsage();
    auto it = Registry().find(args[0]);
    if (it == Registry().end()) return PrintUsage();
    args.erase(args.begin());
    try {
        return it->second.fn(args);
    } catch (const std::exception& e) {
        return Fail(e.what());
    }
}
