#include "imageinfo/PCXSummaryInfoPicker.h"

#include <cstring>

void CPCXSummaryInfoPicker::InitExtensions() {
    m_extensions = {"pcx"};
}

bool CPCXSummaryInfoPicker::ReadHeader(CByteSource& source) {
    std::memset(m_header, 0, sizeof m_header);
    if (!ReadExactly(source, m_header, sizeof m_header)) return false;
    return m_header[0] == 10;
}

bool CPCXSummaryInfoPicker::GetValue(int key, int32_t& value) const {
    if (!HasHeader()) return false;
    switch (key) {
        case kInfoKeyWidth:  // Xmax - Xmin + 1
            value = static_cast<int32_t>(ReadLE16(m_header + 8)) - ReadLE16(m_header + 4) + 1;
            return true;
        case kInfoKeyHeight:
            value = static_cast<int32_t>(ReadLE16(m_header + 10)) - ReadLE16(m_header + 6) + 1;
            return true;
        case kInfoKeyDepth:  // bits per pixel of one plane; the plane count is not used
            value = m_header[3];
            return true;
        default:
            return false;
    }
}
