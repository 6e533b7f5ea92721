// The text the open and save dialogs take and give: a filter written with "|" between
// descriptions and patterns, and the chosen names read back as paths.
#pragma once
#include <string>
#include <vector>

#include "ui/core/ImageRow.h"

// Every "|" that is a character of its own becomes the zero the system expects.
std::string DialogFilter(const std::string& filter, LeadByteTest lead);

// The dialog's result: one full path, or a folder followed by the names chosen in it,
// each ended by a zero, the list by a second zero. A name is joined to the folder with a
// backslash unless the folder ends in one (a drive's root); a name typed as a full path
// stays as it is. The buffer holds names (UTF-8).
std::vector<std::string> ChosenPaths(const std::string& buffer);
