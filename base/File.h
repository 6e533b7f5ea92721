// Whole-file reading and crash-safe replacing writes, the same on Windows and natively.
#pragma once
#include <cstddef>
#include <cstdio>
#include <string>

// Paths are names (UTF-8); Windows gets them in UTF-16.
FILE* OpenFileForReading(const std::string& path);

// Missing: nothing at the path; CannotOpen: there, but not readable now (locked, no rights).
enum class ReadResult { Ok, Missing, CannotOpen, TooLarge, ReadError };

// Reads the whole file; a file larger than maxBytes is refused without being read.
ReadResult ReadFileBytes(const std::string& path, std::string& out, size_t maxBytes);

// Writes bytes to a new file beside path, flushes it to the disk and only then
// puts it in place of path, so a failure at any point leaves the old file whole.
bool WriteFileReplacing(const std::string& path, const std::string& bytes);

// Renames from to to; false when something is at to already, which stays as it is.
bool MoveFileKeeping(const std::string& from, const std::string& to);

bool FileExists(const std::string& path);
bool DeleteFileAt(const std::string& path);
