#pragma once
#include <string>

// True when the path names a picture by one of the 14 extensions the program shows.
bool IsImageFile(const std::string& path);
