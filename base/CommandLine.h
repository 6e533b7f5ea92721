// The program's switches ("-r", "-u") are looked for in the arguments only: a folder of
// the program's own path such as "C:\X-Ray\" must not count as a switch.
#pragma once
#include <string>

// The part of a Windows command line after the program name (quoted or not).
std::string CommandLineArguments(const std::string& commandLine);
// True when text occurs in the lower-cased arguments of commandLine.
bool HasSwitchIn(const std::string& commandLine, const std::string& text);
