#include "imageinfo/BmpInfoPicker.h"

#include <cstring>

void CBmpInfoPicker::InitExtensions() {
    m_extensions = {"bmp", "dib"};
}

bool CBmpInfoPicker::ReadHeader(CByteSource& source) {
    std::memset(m_fileHeader, 0, sizeof m_fileHeader);
    std::memset(m_infoHeader, 0, sizeof m_infoHeader);
    m_bCoreHeader = false;
    if (!ReadExactly(source, m_fileHeader, sizeof m_fileHeader)) return false;
    if (ReadLE16(m_fileHeader) != 19778) return false;  // "BM"
    // The 12-byte OS/2 core header keeps 16-bit sizes at other offsets, and a small picture
    // with one may be shorter than a 40-byte header; every newer header begins like the
    // 40-byte one, so only its fields are read.
    uint8_t size[4];
    if (!ReadExactly(source, size, sizeof size)) return false;
    std::memcpy(m_infoHeader, size, sizeof size);
    m_bCoreHeader = ReadLE32(size) == kCoreHeaderSize;
    const size_t rest = (m_bCoreHeader ? kCoreHeaderSize : kInfoHeaderSize) - sizeof size;
    return ReadExactly(source, m_infoHeader + sizeof size, rest);
}

bool CBmpInfoPicker::GetValue(int key, int32_t& value) const {
    if (!HasHeader()) return false;
    switch (key) {
        case kInfoKeyWidth:
            value = m_bCoreHeader ? ReadLE16(m_infoHeader + 4) : static_cast<int32_t>(ReadLE32(m_infoHeader + 4));
            return true;
        case kInfoKeyHeight:  // negative for a top-down bitmap
            value = m_bCoreHeader ? ReadLE16(m_infoHeader + 6) : static_cast<int32_t>(ReadLE32(m_infoHeader + 8));
            return true;
        case kInfoKeyDepth:
            value = ReadLE16(m_infoHeader + (m_bCoreHeader ? 10 : 14));
            return true;
        default:
            return false;
    }
}
