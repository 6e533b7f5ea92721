// The directory search of Windows (FindFirstFileA / FindNextFileA).
#pragma once
#include "imagelist/FileSystem.h"

IDirectorySearch& Win32DirectorySearch();
