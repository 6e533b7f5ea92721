#include <gtest/gtest.h>

#include <string>

#include "imageinfo/ExifOrientation.h"
#include "imageinfo/JpgSummaryInfoPicker.h"
#include "tg/core/Orientation.h"

namespace {

std::string U16(unsigned v, bool big) {
    return big ? std::string{char(v >> 8), char(v)} : std::string{char(v), char(v >> 8)};
}
std::string U32(uint32_t v, bool big) {
    return big ? U16(v >> 16, true) + U16(v & 0xFFFF, true) : U16(v & 0xFFFF, false) + U16(v >> 16, false);
}
// A TIFF header and a first directory whose last entry is the orientation.
std::string Tiff(unsigned orientation, bool big, unsigned type = 3, uint32_t ifd = 8, unsigned entries = 2) {
    std::string t = (big ? "MM" : "II") + U16(42, big) + U32(ifd, big);
    t.resize(ifd, '\0');
    t += U16(entries, big);
    t += U16(0x010F, big) + U16(2, big) + U32(4, big) + "Cam";
    t += '\0';
    t += U16(0x0112, big) + U16(type, big) + U32(1, big) + U16(orientation, big) + U16(0, big);
    return t + U32(0, big);
}
int TiffValue(const std::string& t) {
    return exif::TiffOrientation(exif::MemoryReader(reinterpret_cast<const uint8_t*>(t.data()), t.size()));
}
std::string Segment(int marker, const std::string& body) {
    return std::string{'\xFF', char(marker)} + U16(unsigned(body.size() + 2), true) + body;
}
// A JPEG of 40 x 30 stored pixels with the given APP1 body.
std::string Jpeg(const std::string& app1) {
    const std::string frame = std::string(1, 8) + U16(30, true) + U16(40, true) + '\1' + std::string{1, 0x11, 0};
    return "\xFF\xD8" + Segment(0xE1, app1) + Segment(0xC0, frame) + Segment(0xDA, std::string{1, 1, 0, 0, 63, 0}) +
           "\xFF\xD9";
}
std::pair<int, int> HeaderSize(const std::string& jpeg) {
    CJpgSummaryInfoPicker reader;
    int32_t w = 0, h = 0;
    EXPECT_TRUE(reader.OpenBytes(jpeg.data(), jpeg.size()));
    EXPECT_TRUE(reader.GetValue(kInfoKeyWidth, w));
    EXPECT_TRUE(reader.GetValue(kInfoKeyHeight, h));
    return {w, h};
}
int JpegValue(const std::string& j) {
    return exif::JpegOrientation(exif::MemoryReader(reinterpret_cast<const uint8_t*>(j.data()), j.size()));
}

}  // namespace

TEST(ExifOrientation, ReadInBothByteOrdersFromTiffAndJpeg) {
    for (bool big : {false, true}) {
        for (unsigned o = 1; o <= 8; ++o) {
            EXPECT_EQ(TiffValue(Tiff(o, big)), int(o));
            const std::string jpeg = Jpeg("Exif" + std::string(2, '\0') + Tiff(o, big));
            EXPECT_EQ(JpegValue(jpeg), int(o));
            // The list shows the size the picture is shown at.
            EXPECT_EQ(HeaderSize(jpeg), o >= 5 ? std::make_pair(30, 40) : std::make_pair(40, 30)) << o;
        }
    }
    // A directory further into the block, after other data.
    EXPECT_EQ(TiffValue(Tiff(6, true, 3, 200)), 6);
}

TEST(ExifOrientation, DamagedOrHostileBlocksMeanAsStored) {
    std::string past = Tiff(6, false);
    past.resize(past.size() - 8);  // the orientation entry is cut
    std::string hugeCount = Tiff(6, false, 3, 8, 0xFFFF);
    const std::string cases[] = {
        Tiff(9, false),                                                    // no such orientation
        Tiff(6, false, 4),                                                 // a LONG, not a SHORT
        "II" + U16(42, false) + U32(0xFFFFFFF0, false),                    // directory far past the end
        "II" + U16(42, false) + U32(2, false) + Tiff(6, false).substr(8),  // pointing into the header
        past,
        hugeCount,
    };
    for (const std::string& t : cases) EXPECT_EQ(TiffValue(t), 1);

    // The reader still gives the stored size when the segment says nothing usable.
    EXPECT_EQ(HeaderSize(Jpeg("Exif" + std::string(2, '\0') + past)), std::make_pair(40, 30));
    // A JPEG cut inside its EXIF segment, or whose segments run past the end.
    const std::string whole = Jpeg("Exif" + std::string(2, '\0') + Tiff(6, true));
    EXPECT_EQ(JpegValue(whole.substr(0, 20)), 1);
    EXPECT_EQ(JpegValue("\xFF\xD8\xFF\xE1\xFF\xFF" + std::string(100, 'x')), 1);
}

// Where the first stored pixel and the last of the first stored row end up: the meaning of
// each value ("row 0 is at the ..., column 0 at the ...").
TEST(ExifOrientation, TurningPutsTheStoredCornersWhereTheTagSays) {
    enum Corner { TL, TR, BR, BL };
    const Corner first[9] = {TL, TL, TR, BR, BL, TL, TR, BR, BL};
    const Corner endOfRow[9] = {TR, TR, TL, BL, BR, BL, BR, TR, TL};
    for (int o = 0; o <= 8; ++o) {
        tg::Image pic;
        ASSERT_TRUE(pic.Allocate(4, 3));
        for (size_t i = 0; i < pic.pixels.size(); ++i) pic.pixels[i] = uint32_t(i);
        ASSERT_TRUE(tg::Orient(pic, o));
        const bool swapped = o >= 5;
        ASSERT_EQ(pic.width, swapped ? 3 : 4);
        ASSERT_EQ(pic.height, swapped ? 4 : 3);
        auto at = [&pic](Corner c) {
            const int x = (c == TR || c == BR) ? pic.width - 1 : 0, y = (c == BL || c == BR) ? pic.height - 1 : 0;
            return pic.Row(y)[x];
        };
        EXPECT_EQ(at(first[o]), 0u) << o;
        EXPECT_EQ(at(endOfRow[o]), 3u) << o;
    }
}
