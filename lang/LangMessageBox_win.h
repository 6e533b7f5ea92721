// Message boxes whose text comes from section "Strings" of the current language.
#pragma once
#include <windows.h>

#include <string>

// Shows the text of key with the program name as caption, owned by owner (may be null).
// Returns the button pressed, or -1 without showing anything when the key is missing. A
// nameBelow (a path as the program holds names, never part of the language's text) goes on
// a line of its own, whole even where the code page lacks its characters.
int LangMessageBox(HWND owner, const char* key, UINT flags, const std::string& nameBelow = std::string());
