#pragma once
#include <cstdint>
#include <string>

// (major << 16) | (minor << 8) | patch, shown "major.minor" with two minor digits.
std::string FormatVersion(uint32_t version);

// "major.minor.patch" when there is a patch number, else as FormatVersion.
std::string VersionToText(uint32_t version);
