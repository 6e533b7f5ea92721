// Message boxes whose text comes from section "Strings" of the current language.
#pragma once
#include <windows.h>

// Shows the text of key with the program name as caption, owned by owner (may be null).
// Returns the button pressed, or -1 without showing anything when the key is missing.
int LangMessageBox(HWND owner, const char* key, UINT flags);
