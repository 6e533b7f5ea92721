#include "imageinfo/TGASummaryInfoPicker.h"

#include <cstring>

void CTGASummaryInfoPicker::InitExtensions() {
    m_extensions = {"tga"};
}

bool CTGASummaryInfoPicker::ReadHeader(CByteSource& source) {
    std::memset(m_header, 0, sizeof m_header);
    return ReadExactly(source, m_header, sizeof m_header);
}

bool CTGASummaryInfoPicker::GetValue(int key, int32_t& value) const {
    if (!HasHeader()) return false;
    switch (key) {
        case kInfoKeyWidth:
            value = ReadLE16(m_header + 12);
            return true;
        case kInfoKeyHeight:
            value = ReadLE16(m_header + 14);
            return true;
        case kInfoKeyDepth:  // stored as a signed byte
            value = m_header[16] < 128 ? m_header[16] : m_header[16] - 256;
            return true;
        default:
            return false;
    }
}
