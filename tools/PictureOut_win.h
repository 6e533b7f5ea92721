// Shared by the render and thumbnail commands.
#pragma once
#include <windows.h>

#include <string>

// Writes the bitmap as a 24-bit BMP file.
bool WriteBitmapFile(HBITMAP bitmap, const std::string& path);
double NowMs();
// Parses a whole decimal integer; false for anything else.
bool ParseInt(const std::string& s, int& value);
