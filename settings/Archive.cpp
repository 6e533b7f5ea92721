#include "settings/Archive.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "base/Unicode.h"

namespace {
const uint16_t kWideMarker = 0xFFFE;
}

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

void CArchive::WriteLength(uint32_t len) {
    if (len < 0xFF) {
        WriteUInt8(static_cast<uint8_t>(len));
    } else if (len < 0xFFFE) {
        WriteUInt8(0xFF);
        WriteUInt16(static_cast<uint16_t>(len));
    } else {
        WriteUInt8(0xFF);
        WriteUInt16(0xFFFF);
        WriteUInt32(len);
    }
}

void CArchive::WriteString(const std::string& s) {
    WriteLength(static_cast<uint32_t>(s.size()));
    WriteBytes(s.data(), s.size());
}

void CArchive::WriteName(const std::string& name) {
    std::string ansi;
    if (NameToAnsi(name, ansi)) {
        WriteString(ansi);
        return;
    }
    std::u16string wide;
    Utf8ToUtf16(name, wide);
    WriteUInt8(0xFF);
    WriteUInt16(kWideMarker);
    WriteLength(static_cast<uint32_t>(wide.size()));
    for (char16_t c : wide) WriteUInt16(c);
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

std::string CArchive::ReadStored(bool& wide) {
    uint32_t len = ReadUInt8();
    wide = false;
    if (len == 0xFF) {
        len = ReadUInt16();
        if (len == kWideMarker) {
            wide = true;
            len = ReadUInt8();
            if (len == 0xFF) {
                len = ReadUInt16();
                if (len == 0xFFFF) len = ReadUInt32();
            }
        } else if (len == 0xFFFF) {
            len = ReadUInt32();
        }
    }
    const uint64_t bytes = wide ? uint64_t(len) * 2 : len;
    Need(static_cast<size_t>(std::min<uint64_t>(bytes, SIZE_MAX)));  // never allocate more than is there
    if (!wide) {
        std::string s(m_in->data() + m_pos, len);
        m_pos += len;
        return s;
    }
    std::u16string text(len, u'\0');
    for (char16_t& c : text) c = ReadUInt16();
    std::string name;
    Utf16ToUtf8(text, name);
    return name;
}

std::string CArchive::ReadString() {
    bool wide;
    std::string s = ReadStored(wide);
    return wide ? NameToAnsiLossy(s) : s;
}

std::string CArchive::ReadName() {
    bool wide;
    std::string s = ReadStored(wide);
    return wide ? s : AnsiToName(s);
}

size_t CArchive::ReadCount(size_t minElementSize) {
    int32_t count = ReadInt32();
    if (count < 0) throw CArchiveException("negative count");
    if (minElementSize && static_cast<uint64_t>(count) > Remaining() / minElementSize)
        throw CArchiveException("count larger than the archive");
    return static_cast<size_t>(count);
}
