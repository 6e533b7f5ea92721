// velum-tool's commands register themselves, one file each.
#pragma once
#include <string>
#include <vector>

// args: the words after the command name. Returns the exit status:
// 0 done, 1 failed (one line on stderr), 2 wrong usage.
using CommandFn = int (*)(const std::vector<std::string>& args);

struct CommandRegistrar {
    CommandRegistrar(const char* name, const char* usage, CommandFn fn);
};

// Exit status helpers.
int Fail(const std::string& reason);  // prints the reason, returns 1
int Usage(const char* usage);         // prints "usage: velum-tool <usage>", returns 2
void WriteOut(const std::string& bytes);
std::string ReadAllStdin();
