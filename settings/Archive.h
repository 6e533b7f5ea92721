// A byte archive in the layout of the classic framework's CArchive: little-endian
// integers and length-prefixed strings, in the ANSI code page or in the wide form (0xFF,
// the marker 0xFFFE, the length in UTF-16 units, UTF-16LE). Loading throws
// CArchiveException when the bytes run out or a count cannot fit in what is left.
#pragma once
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

class CArchiveException : public std::runtime_error {
public:
    explicit CArchiveException(const char* what) : std::runtime_error(what) {}
};

class CArchive {
public:
    // A storing archive that collects bytes.
    CArchive();
    // A loading archive over bytes (the archive keeps a reference; they must outlive it).
    explicit CArchive(const std::string& bytes);

    bool IsStoring() const { return m_storing; }
    bool IsLoading() const { return !m_storing; }

    void WriteUInt8(uint8_t v);
    void WriteUInt16(uint16_t v);
    void WriteUInt32(uint32_t v);
    void WriteInt32(int32_t v) { WriteUInt32(static_cast<uint32_t>(v)); }
    void WriteBytes(const void* data, size_t size);
    // A text in the code page, stored as it is.
    void WriteString(const std::string& s);
    // A name (UTF-8): in the code page when it has a form there, else in the wide form.
    void WriteName(const std::string& name);

    uint8_t ReadUInt8();
    uint16_t ReadUInt16();
    uint32_t ReadUInt32();
    int32_t ReadInt32() { return static_cast<int32_t>(ReadUInt32()); }
    void ReadBytes(void* data, size_t size);
    // A text in the code page; one stored in the wide form gets "?" for what the code page lacks.
    std::string ReadString();
    // A name in either form.
    std::string ReadName();
    // Reads an element count and refuses it unless the rest of the bytes can hold
    // that many elements of at least minElementSize bytes each.
    size_t ReadCount(size_t minElementSize);

    // Storing: the bytes written so far.
    const std::string& Bytes() const { return m_out; }
    // Loading: bytes not read yet.
    size_t Remaining() const { return m_in ? m_in->size() - m_pos : 0; }

private:
    void Need(size_t n) const;
    void WriteLength(uint32_t length);
    // The stored form: the code page's bytes, or UTF-8 when wide is set.
    std::string ReadStored(bool& wide);

    bool m_storing;
    std::string m_out;
    const std::string* m_in = nullptr;
    size_t m_pos = 0;
};
