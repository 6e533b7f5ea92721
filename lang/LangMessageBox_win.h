// The program's message boxes: every message to the user goes through MessageText, most
// with a text from section "Strings" of the current language (LangMessageBox).
#pragma once
#include <windows.h>

#include <string>

// Shows text (in the code page) with the program name as caption, owned by owner when that
// is still a window. Returns the button pressed.
int MessageText(HWND owner, const std::string& text, UINT flags);

// Shows the text of key with the program name as caption, owned by owner (may be null).
// Returns the button pressed, or -1 without showing anything when the key is missing. A
// nameBelow (a path as the program holds names, never part of the language's text) goes on
// a line of its own, whole even where the code page lacks its characters.
int LangMessageBox(HWND owner, const char* key, UINT flags, const std::string& nameBelow = std::string());
