#include <gtest/gtest.h>

#include <string>

#include "imageinfo/BmpInfoPicker.h"
#include "imageinfo/JpgSummaryInfoPicker.h"
#include "imageinfo/PCXSummaryInfoPicker.h"

namespace {

std::string LE16(unsigned v) {
    return std::string{char(v & 0xFF), char((v >> 8) & 0xFF)};
}
std::string LE32(uint32_t v) {
    return LE16(v & 0xFFFF) + LE16(v >> 16);
}
std::string BE16(unsigned v) {
    return std::string{char((v >> 8) & 0xFF), char(v & 0xFF)};
}

// A marker segment: FF, marker, length (counting itself), body.
std::string Segment(int marker, const std::string& body) {
    return std::string{'\xFF', char(marker)} + BE16(unsigned(body.size() + 2)) + body;
}
std::string Frame(int marker, unsigned width, unsigned height, int components = 3) {
    std::string body = std::string(1, 8) + BE16(height) + BE16(width) + char(components);
    for (int i = 0; i < components; ++i) body += std::string{char(i + 1), '\x11', 0};
    return Segment(marker, body);
}
std::string Scan() {
    return Segment(0xDA, std::string{1, 1, 0, 0, 63, 0}) + "\x12\x34\xFF\xD9";
}
const std::string kSoi = "\xFF\xD8";

struct Values {
    bool ok;
    int32_t width = -1, height = -1, depth = -1;
};
Values Read(CSummaryInfoPicker& reader, const std::string& bytes) {
    Values v{reader.OpenBytes(bytes.data(), bytes.size())};
    if (v.ok) {
        EXPECT_TRUE(reader.GetValue(kInfoKeyWidth, v.width));
        EXPECT_TRUE(reader.GetValue(kInfoKeyHeight, v.height));
        EXPECT_TRUE(reader.GetValue(kInfoKeyDepth, v.depth));
    }
    return v;
}
Values ReadJpeg(const std::string& bytes) {
    CJpgSummaryInfoPicker jpg;
    return Read(jpg, bytes);
}

std::string Bmp(int32_t width, int32_t height, int bits, uint32_t infoSize = 40) {
    return "BM" + LE32(0) + LE32(0) + LE32(54) + LE32(infoSize) + LE32(uint32_t(width)) + LE32(uint32_t(height)) +
           LE16(1) + LE16(bits) + std::string(24, '\0');
}
std::string Pcx(unsigned xmin, unsigned ymin, unsigned xmax, unsigned ymax, int bits, int planes) {
    std::string h = std::string{10, 5, 1, char(bits)} + LE16(xmin) + LE16(ymin) + LE16(xmax) + LE16(ymax);
    h.resize(65, '\0');
    h += char(planes);
    h.resize(128, '\0');
    return h;
}

TEST(HeaderReaders, FixedHeadersGiveTheirFields) {
    CBmpInfoPicker bmp;
    Values v = Read(bmp, Bmp(640, 480, 24));
    EXPECT_TRUE(v.ok);
    EXPECT_EQ(v.width, 640);
    EXPECT_EQ(v.height, 480);
    EXPECT_EQ(v.depth, 24);

    CPCXSummaryInfoPicker pcx;
    v = Read(pcx, Pcx(10, 20, 19, 20, 8, 3));  // 24 bits as three 8-bit planes
    EXPECT_EQ(v.width, 10);
    EXPECT_EQ(v.height, 1);
    EXPECT_EQ(v.depth, 8);
    v = Read(pcx, Pcx(0, 0, 0xFFFF, 0xFFFF, 1, 1));
    EXPECT_EQ(v.width, 65536);
    EXPECT_EQ(v.height, 65536);
}

// Each segment's content holds bytes that look like a frame of another size or an early
// scan; the walk must step over them by the segment's own structure.
TEST(JpegWalk, SegmentsAreSkippedByTheirStructure) {
    const std::string decoy = Frame(0xC0, 999, 999) + "\xFF\xDA";
    std::string dht = std::string(1, 0x00) + std::string(15, '\0') + char(decoy.size()) + decoy;
    std::string dqt8 = std::string(1, 0x00) + decoy + std::string(64 - decoy.size(), 0);
    std::string dqt16 = std::string(1, 0x10) + decoy + std::string(128 - decoy.size(), 0);
    const std::string tail = Frame(0xC0, 11, 12) + Scan();
    EXPECT_EQ(ReadJpeg(kSoi + Segment(0xC4, dht + dht) + tail).width, 11);
    EXPECT_EQ(ReadJpeg(kSoi + Segment(0xDB, dqt8 + dqt16) + tail).width, 11);
    // Markers that are not frames although their numbers sit among the frame markers.
    for (int marker : {0xC8, 0xCC}) {
        EXPECT_EQ(ReadJpeg(kSoi + "\xFF" + char(marker) + Frame(0xC0, 999, 999).substr(2) + tail).width, 11);
    }
}

// The walk stops after a fixed number of bytes instead of reading a huge file to its end.
TEST(JpegWalk, ReadsAtMostTheScanBudget) {
    std::string filler(CJpgSummaryInfoPicker::kMaxScanBytes - 64, '\xFF');
    const std::string tail = Frame(0xC0, 11, 12) + Scan();
    EXPECT_TRUE(ReadJpeg(filler + tail).ok);
    filler.append(128, '\xFF');
    EXPECT_FALSE(ReadJpeg(filler + tail).ok);
}

}  // namespace
