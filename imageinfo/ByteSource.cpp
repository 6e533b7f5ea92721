#include "imageinfo/ByteSource.h"

#include "base/File.h"

#include <cstring>

bool CFileByteSource::Open(const std::string& path) {
    Close();
    m_pFile = OpenFileForReading(path);
    return m_pFile != nullptr;
}

void CFileByteSource::Close() {
    if (m_pFile) std::fclose(m_pFile);
    m_pFile = nullptr;
}

size_t CFileByteSource::Read(void* buf, size_t n) {
    return m_pFile ? std::fread(buf, 1, n, m_pFile) : 0;
}

size_t CMemoryByteSource::Read(void* buf, size_t n) {
    const size_t left = m_nSize - m_nPos;
    if (n > left) n = left;
    if (n) std::memcpy(buf, m_pData + m_nPos, n);
    m_nPos += n;
    return n;
}

bool ReadExactly(CByteSource& source, void* buf, size_t n) {
    uint8_t* out = static_cast<uint8_t*>(buf);
    size_t done = 0;
    while (done < n) {
        const size_t got = source.Read(out + done, n - done);
        if (got == 0) return false;
        done += got;
    }
    return true;
}
