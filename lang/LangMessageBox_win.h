// Message boxes whose text comes from section "Strings" of the current language.
#pragma once
#include <windows.h>

#include <string>

// Shows the text of key with the program name as caption, owned by owner (may be null).
// Returns the button pressed, or -1 without showing anything when the key is missing. A
// lineBelow (a path, a name: never part of the language's text) goes on a line of its own.
int LangMessageBox(HWND owner, const char* key, UINT flags, const std::string& lineBelow = std::string());
