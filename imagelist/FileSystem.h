// What the image list needs from the file system: whether a path is a folder, and a
// directory search in the order the file system returns the entries.
#pragma once
#include <functional>
#include <string>

enum class PathKind { Missing, File, Directory };

class IFileAttributes {
public:
    virtual ~IFileAttributes() = default;
    virtual PathKind Kind(const std::string& path) = 0;
};

class IDirectorySearch {
public:
    virtual ~IDirectorySearch() = default;
    // Calls onEntry for each entry matching pattern (a folder, a backslash and "*.*"),
    // "." and ".." included, until onEntry returns false. False when nothing was found.
    virtual bool Find(const std::string& pattern,
                      const std::function<bool(const std::string& name, bool isDirectory)>& onEntry) = 0;
    // The absolute form of a path (relative parts resolved against the current folder).
    virtual std::string FullPath(const std::string& path) = 0;
    // What tells a folder from every other whatever path leads there (junctions and links
    // included); empty when the system cannot tell.
    virtual std::string FolderIdentity(const std::string& folder) = 0;
};

// The attributes of the system the program runs on.
IFileAttributes& PlatformFileAttributes();
