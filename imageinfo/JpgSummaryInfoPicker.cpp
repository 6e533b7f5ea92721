#include "imageinfo/JpgSummaryInfoPicker.h"

#include <cstring>

#include "imageinfo/ExifOrientation.h"

// Buffered byte input with a budget of bytes.
class CJpgSummaryInfoPicker::CInput {
public:
    CInput(CByteSource& source, uint64_t budget) : m_source(source), m_nBudget(budget) {}

    bool Byte(uint8_t& b) {
        if (m_nPos == m_nLen && !Refill()) return false;
        b = m_buffer[m_nPos++];
        return true;
    }
    bool Word(uint16_t& w) {  // big-endian
        uint8_t hi, lo;
        if (!Byte(hi) || !Byte(lo)) return false;
        w = static_cast<uint16_t>((hi << 8) | lo);
        return true;
    }
    // A segment length counts its own two bytes, so less than 2 is damage.
    bool Length(uint16_t& len) { return Word(len) && len >= 2; }
    bool Bytes(uint8_t* buf, size_t n) {
        for (size_t i = 0; i < n; ++i) {
            if (!Byte(buf[i])) return false;
        }
        return true;
    }
    bool Skip(size_t n) {
        while (n > 0) {
            if (m_nPos == m_nLen && !Refill()) return false;
            size_t step = m_nLen - m_nPos;
            if (step > n) step = n;
            m_nPos += step;
            n -= step;
        }
        return true;
    }

private:
    bool Refill() {
        if (m_nBudget == 0) return false;
        size_t want = sizeof m_buffer;
        if (want > m_nBudget) want = static_cast<size_t>(m_nBudget);
        m_nLen = m_source.Read(m_buffer, want);
        m_nPos = 0;
        m_nBudget -= m_nLen;
        return m_nLen > 0;
    }

    CByteSource& m_source;
    uint64_t m_nBudget;
    uint8_t m_buffer[4096];
    size_t m_nPos = 0;
    size_t m_nLen = 0;
};

void CJpgSummaryInfoPicker::InitExtensions() {
    m_extensions = {"jpg", "jpeg"};
}

bool CJpgSummaryInfoPicker::ReadHeader(CByteSource& source) {
    m_frames.clear();
    m_nDensityUnits = 0;
    m_nXDensity = m_nYDensity = 0;
    m_nOrientation = exif::kUpright;
    bool exifSeen = false;
    CInput in(source, kMaxScanBytes);
    for (;;) {
        uint8_t b = 0;
        do {
            if (!in.Byte(b)) return false;
        } while (b != 0xFF);
        while (b == 0xFF) {
            if (!in.Byte(b)) return false;
        }
        const int marker = b;
        uint16_t len = 0;
        if ((marker >= 0xC0 && marker <= 0xCF) && marker != 0xC4 && marker != 0xC8 && marker != 0xCC) {
            if (!ReadFrame(in, marker)) return false;
        } else if (marker == 0xC4) {
            if (!ReadHuffmanTables(in)) return false;
        } else if (marker == 0xDA) {
            // A scan before any frame header leaves no size to report.
            return ReadScanHeader(in) && !m_frames.empty();
        } else if (marker == 0xDB) {
            if (!ReadQuantTables(in)) return false;
        } else if (marker == 0xDC || marker == 0xDD) {  // number of lines, restart interval
            uint16_t value;
            if (!in.Length(len) || !in.Word(value)) return false;
        } else if (marker == 0xDF) {
            uint8_t expand;
            if (!in.Length(len) || !in.Byte(expand)) return false;
        } else if (marker == 0xE0) {
            if (!ReadJfif(in)) return false;
        } else if (marker == 0xE1 && !exifSeen) {
            if (!in.Length(len)) return false;
            std::vector<uint8_t> body(len - 2u);
            if (!in.Bytes(body.data(), body.size())) return false;
            exifSeen = body.size() >= 6 && std::memcmp(body.data(), "Exif\0\0", 6) == 0;
            if (exifSeen) m_nOrientation = exif::App1Orientation(body.data(), body.size());
        } else if ((marker >= 0xE1 && marker <= 0xEF) || marker == 0xFE) {
            if (!in.Length(len) || !in.Skip(len - 2u)) return false;
        }
        // Start and end of image, restart markers and the rest carry nothing to read.
    }
}

bool CJpgSummaryInfoPicker::ReadFrame(CInput& in, int marker) {
    CJpgFrameHeader frame;
    frame.m_nType = marker - 0xC0;
    if (!in.Length(frame.m_nLength) || !in.Byte(frame.m_nPrecision) || !in.Word(frame.m_nHeight) ||
        !in.Word(frame.m_nWidth) || !in.Byte(frame.m_nComponents)) {
        return false;
    }
    if (frame.m_nComponents == 0) return false;
    frame.m_components.resize(frame.m_nComponents);
    for (CJpgComponent& c : frame.m_components) {
        uint8_t sampling = 0;
        if (!in.Byte(c.m_nId) || !in.Byte(sampling) || !in.Byte(c.m_nQuantTable)) return false;
        c.m_nHorizontal = sampling >> 4;
        c.m_nVertical = sampling & 0x0F;
    }
    if (m_frames.size() < kMaxKeptFrames) m_frames.push_back(std::move(frame));
    return true;
}

// Tables until the segment's length is used up; a table that overruns it is damage.
bool CJpgSummaryInfoPicker::ReadHuffmanTables(CInput& in) {
    uint16_t len;
    if (!in.Length(len)) return false;
    size_t left = len - 2u;
    while (left > 0) {
        uint8_t classAndId, counts[16];
        if (left < 17 || !in.Byte(classAndId)) return false;
        size_t symbols = 0;
        for (uint8_t& count : counts) {
            if (!in.Byte(count)) return false;
            symbols += count;
        }
        left -= 17;
        if (symbols > left || !in.Skip(symbols)) return false;
        left -= symbols;
    }
    return true;
}

bool CJpgSummaryInfoPicker::ReadQuantTables(CInput& in) {
    uint16_t len;
    if (!in.Length(len)) return false;
    size_t left = len - 2u;
    while (left > 0) {
        uint8_t precisionAndId;
        if (!in.Byte(precisionAndId)) return false;
        const size_t values = (precisionAndId >> 4) != 0 ? 128 : 64;
        if (left < 1 + values || !in.Skip(values)) return false;
        left -= 1 + values;
    }
    return true;
}

bool CJpgSummaryInfoPicker::ReadScanHeader(CInput& in) {
    uint16_t len;
    uint8_t count, spectralStart, spectralEnd, approximation;
    if (!in.Length(len) || !in.Byte(count)) return false;
    if (!in.Skip(static_cast<size_t>(count) * 2)) return false;
    return in.Byte(spectralStart) && in.Byte(spectralEnd) && in.Byte(approximation);
}

// Any other APP0 (a JFIF extension segment with its thumbnail, for one) is skipped by its
// length like the other application segments.
bool CJpgSummaryInfoPicker::ReadJfif(CInput& in) {
    uint16_t len, version;
    uint8_t id[4], terminator, thumbWidth, thumbHeight;
    if (!in.Length(len) || len <= 2) return false;
    for (uint8_t& b : id) {
        if (!in.Byte(b)) return false;
    }
    if (std::memcmp(id, "JFIF", 4) != 0) {
        // Too short to hold the four bytes just read: the stream is damaged.
        return len >= 6 && in.Skip(len - 6u);
    }
    if (!in.Byte(terminator) || !in.Word(version) || !in.Byte(m_nDensityUnits) || !in.Word(m_nXDensity) ||
        !in.Word(m_nYDensity) || !in.Byte(thumbWidth) || !in.Byte(thumbHeight)) {
        return false;
    }
    // A short thumbnail is no error here; the walk then meets the end of the file.
    in.Skip(static_cast<size_t>(thumbWidth) * thumbHeight * 3);
    return true;
}

bool CJpgSummaryInfoPicker::GetValue(int key, int32_t& value) const {
    if (!HasHeader()) return false;
    switch (key) {
        // A photograph stored on its side is listed the way it is shown.
        case kInfoKeyWidth:
            value = exif::SwapsAxes(m_nOrientation) ? m_frames.front().m_nHeight : m_frames.front().m_nWidth;
            return true;
        case kInfoKeyHeight:
            value = exif::SwapsAxes(m_nOrientation) ? m_frames.front().m_nWidth : m_frames.front().m_nHeight;
            return true;
        case kInfoKeyDepth:  // grey pictures included
            value = 24;
            return true;
        default:
            return false;
    }
}
