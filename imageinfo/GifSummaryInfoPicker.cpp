#include "imageinfo/GifSummaryInfoPicker.h"

#include <cstring>

void CGifSummaryInfoPicker::InitExtensions() {
    m_extensions = {"gif"};
}

bool CGifSummaryInfoPicker::ReadHeader(CByteSource& source) {
    std::memset(m_header, 0, sizeof m_header);
    if (!ReadExactly(source, m_header, sizeof m_header)) return false;
    return std::memcmp(m_header, "GIF", 3) == 0;  // any version
}

bool CGifSummaryInfoPicker::GetValue(int key, int32_t& value) const {
    if (!HasHeader()) return false;
    switch (key) {
        case kInfoKeyWidth:
            value = ReadLE16(m_header + 6);
            return true;
        case kInfoKeyHeight:
            value = ReadLE16(m_header + 8);
            return true;
        case kInfoKeyDepth:  // the global colour table size, whether or not the table is present
            value = (m_header[10] & 7) + 1;
            return true;
        default:
            return false;
    }
}
