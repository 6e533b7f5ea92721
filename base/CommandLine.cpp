#include "base/CommandLine.h"

#include "base/StringUtil.h"

std::string CommandLineArguments(const std::string& commandLine) {
    size_t i = 0;
    while (i < commandLine.size() && (commandLine[i] == ' ' || commandLine[i] == '\t')) ++i;
    if (i < commandLine.size() && commandLine[i] == '"') {
        size_t close = commandLine.find('"', i + 1);
        // An unterminated quote takes the whole rest as the program name.
        i = close == std::string::npos ? commandLine.size() : close + 1;
    } else {
        while (i < commandLine.size() && commandLine[i] != ' ' && commandLine[i] != '\t') ++i;
    }
    return commandLine.substr(i);
}

bool HasSwitchIn(const std::string& commandLine, const std::string& text) {
    return AsciiLower(CommandLineArguments(commandLine)).find(AsciiLower(text)) != std::string::npos;
}
