// Strings of the program's own string table.
#pragma once
#include <windows.h>

#include <string>

// The string with resource id `id`, empty when there is none; longer ones are cut at 511 bytes.
std::string LoadResString(UINT id);
