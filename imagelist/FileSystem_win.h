// The directory search of Windows (FindFirstFileW / FindNextFileW); names in UTF-8.
#pragma once
#include "imagelist/FileSystem.h"

IDirectorySearch& Win32DirectorySearch();
// The folder's volume serial number and file index; empty when they cannot be read.
std::string WinFolderIdentity(const std::string& folder);
