// Where the plug-in looks for a system codec library it loads at run time.
#pragma once
#include <string>
#include <vector>

// The paths to try for GDI+, in order. Windows 2000 has no GDI+ of its own: its
// redistributable lives beside the plug-in, and a search by name there would also take the
// current folder, so only full paths are tried. Later systems keep it side by side and
// are searched by name. An empty folder is left out.
std::vector<std::string> GdiplusCandidates(bool windows2000, const std::string& pluginFolder,
                                           const std::string& systemFolder);
