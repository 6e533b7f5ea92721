// The picture header readers: width, height and colour depth from a file's header,
// without decoding any pixels.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "imageinfo/ByteSource.h"

enum : int {
    kInfoKeyWidth = 301,
    kInfoKeyHeight = 302,
    kInfoKeyDepth = 303,
    kInfoKeyReserved1 = 304,
    kInfoKeyReserved2 = 305,
};

class CSummaryInfoPicker {
public:
    enum State : int32_t { kStateNew = 0, kStateReading = 1, kStateRead = 2 };

    CSummaryInfoPicker() = default;
    virtual ~CSummaryInfoPicker() = default;
    CSummaryInfoPicker(const CSummaryInfoPicker&) = delete;
    CSummaryInfoPicker& operator=(const CSummaryInfoPicker&) = delete;

    virtual bool IsAvailable() const { return true; }
    virtual void InitExtensions() = 0;
    virtual int GetKeyCount() const = 0;
    // Reads the header of the file at path; true when it was read and fits the format.
    virtual bool Open(const std::string& path);
    // True when the key was answered; false for keys the reader does not handle and
    // before a header has been read.
    virtual bool GetValue(int key, int32_t& value) const = 0;
    virtual bool IsKeySupported(int key) const = 0;

    // True when the path's extension is one of this reader's.
    bool Supports(const std::string& path) const;
    // Open for bytes already in memory.
    bool OpenBytes(const void* data, size_t size);

    int32_t State() const { return m_nState; }
    const std::vector<std::string>& Extensions() const { return m_extensions; }

protected:
    // Clears what an earlier read kept, reads from source and tests the signature.
    virtual bool ReadHeader(CByteSource& source) = 0;
    // Shared by the GetValue overrides: false (with a trace) before a successful read.
    bool HasHeader() const;

    int32_t m_nState = kStateNew;
    std::vector<std::string> m_extensions;

private:
    bool OpenSource(CByteSource& source);
};

// The characters after the last "." of path, lower case; empty when there is no dot or
// a backslash stands after it.
std::string PathExtension(const std::string& path);
