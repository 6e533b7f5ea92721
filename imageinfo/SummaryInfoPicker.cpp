#include "imageinfo/SummaryInfoPicker.h"

#include <algorithm>

#include "base/StringUtil.h"
#include "base/Trace.h"

std::string PathExtension(const std::string& path) {
    const size_t dot = path.rfind('.');
    if (dot == std::string::npos) return std::string();
    if (path.find('\\', dot) != std::string::npos) return std::string();
    return AsciiLower(path.substr(dot + 1));
}

bool CSummaryInfoPicker::Supports(const std::string& path) const {
    const std::string ext = PathExtension(path);
    if (ext.empty()) return false;
    return std::find(m_extensions.begin(), m_extensions.end(), ext) != m_extensions.end();
}

bool CSummaryInfoPicker::Open(const std::string& path) {
    m_nState = kStateReading;
    CFileByteSource file;
    if (!file.Open(path)) {
        VL_TRACE();
        return false;
    }
    return OpenSource(file);
}

bool CSummaryInfoPicker::OpenBytes(const void* data, size_t size) {
    m_nState = kStateReading;
    CMemoryByteSource memory(data, size);
    return OpenSource(memory);
}

bool CSummaryInfoPicker::OpenSource(CByteSource& source) {
    if (!ReadHeader(source)) return false;
    m_nState = kStateRead;
    return true;
}

bool CSummaryInfoPicker::HasHeader() const {
    if (m_nState == kStateRead) return true;
    VL_TRACE();
    return false;
}
