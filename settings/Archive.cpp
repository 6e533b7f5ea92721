#include "settings/Archive.h"

#include <cstring>

CArchive::CArchive() : m_storing(true) {}

CArchive::CArchive(const std::string& bytes) : m_storing(false), m_in(&bytes) {}

void CArchive::WriteUInt8(uint8_t v) {
    m_out.push_back(static_cast<char>(v));
}

void CArchive::WriteUInt16(uint16_t v) {
    WriteUInt8(static_cast<uint8_t>(v));
    WriteUInt8(static_cast<uint8_t>(v >> 8));
}

void CArchive::WriteUInt32(uint32_t v) {
    WriteUInt16(static_cast<uint16_t>(v));
    WriteUInt16(static_cast<uint16_t>(v >> 16));
}

void CArchive::WriteBytes(const void* data, size_t size) {
    m_out.append(static_cast<const char*>(data), size);
}

void CArchive::WriteString(const std::string& s) {
    const size_t len = s.size();
    if (len < 0xFF) {
        WriteUInt8(static_cast<uint8_t>(len));
    } else if (len < 0xFFFE) {
        WriteUInt8(0xFF);
        WriteUInt16(static_cast<uint16_t>(len));
    } else {
        WriteUInt8(0xFF);
        WriteUInt16(0xFFFF);
        WriteUInt32(static_cast<uint32_t>(len));
    }
    WriteBytes(s.data(), len);
}

void CArchive::Need(size_t n) const {
    if (m_storing || Remaining() < n) throw CArchiveException("end of archive");
}

uint8_t CArchive::ReadUInt8() {
    Need(1);
    return static_cast<uint8_t>((*m_in)[m_pos++]);
}

uint16_t CArchive::ReadUInt16() {
    uint16_t lo = ReadUInt8();
    uint16_t hi = ReadUInt8();
    return static_cast<uint16_t>(lo | (hi << 8));
}

uint32_t CArchive::ReadUInt32() {
    uint32_t lo = ReadUInt16();
    uint32_t hi = ReadUInt16();
    return lo | (hi << 16);
}

void CArchive::ReadBytes(void* data, size_t size) {
    Need(size);
    if (size) std::memcpy(data, m_in->data() + m_pos, size);
    m_pos += size;
}

std::string CArchive::ReadString() {
    uint32_t len = ReadUInt8();
    if (len == 0xFF) {
        len = ReadUInt16();
        if (len == 0xFFFF) len = ReadUInt32();
    }
    Need(len);  // a damaged length must not allocate more than the archive holds
    std::string s(m_in->data() + m_pos, len);
    m_pos += len;
    return s;
}

size_t CArchive::ReadCount(size_t minElementSize) {
    int32_t count = ReadInt32();
    if (count < 0) throw CArchiveException("negative count");
    if (minElementSize && static_cast<uint64_t>(count) > Remaining() / minElementSize)
        throw CArchiveException("count larger than the archive");
    return static_cast<size_t>(count);
}
