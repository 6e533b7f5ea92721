// Where a header reader takes its bytes from: a file on disk, or bytes in memory
// (tests and the fuzz targets).
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

class CByteSource {
public:
    virtual ~CByteSource() = default;
    // Fills buf with up to n bytes; fewer only at the end of the data or on a read error.
    virtual size_t Read(void* buf, size_t n) = 0;
};

// C stdio, so the same code reads files natively and on Windows (ANSI paths).
class CFileByteSource : public CByteSource {
public:
    CFileByteSource() = default;
    ~CFileByteSource() override { Close(); }
    CFileByteSource(const CFileByteSource&) = delete;
    CFileByteSource& operator=(const CFileByteSource&) = delete;

    bool Open(const std::string& path);
    void Close();
    size_t Read(void* buf, size_t n) override;

private:
    FILE* m_pFile = nullptr;
};

class CMemoryByteSource : public CByteSource {
public:
    CMemoryByteSource(const void* data, size_t size) : m_pData(static_cast<const uint8_t*>(data)), m_nSize(size) {}
    size_t Read(void* buf, size_t n) override;

private:
    const uint8_t* m_pData;
    size_t m_nSize;
    size_t m_nPos = 0;
};

// Reads exactly n bytes; false on a short read.
bool ReadExactly(CByteSource& source, void* buf, size_t n);

inline uint16_t ReadLE16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}
inline uint32_t ReadLE32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[2]) << 16) |
           (static_cast<uint32_t>(p[3]) << 24);
}
