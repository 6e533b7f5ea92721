// Pictures written by ImageMagick's convert must give the sizes its identify reports.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "imageinfo/ImageInfo.h"

namespace {

bool HaveTool(const char* name) {
    return std::system((std::string("command -v ") + name + " >/dev/null 2>&1").c_str()) == 0;
}

std::string Capture(const std::string& command) {
    std::string out;
    FILE* p = popen(command.c_str(), "r");
    if (!p) return out;
    char buf[256];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
    pclose(p);
    return out;
}

struct Picture {
    const char* name;
    const char* options;
    const char* format;  // a prefix of the output file that picks a format variant
};

TEST(ImageMagickFiles, SizesAgreeWithIdentify) {
    if (!HaveTool("convert") || !HaveTool("identify")) GTEST_SKIP() << "ImageMagick's convert is not installed";
    char tmpl[] = "/tmp/velum-identify-XXXXXX";
    ASSERT_NE(mkdtemp(tmpl), nullptr);
    const std::string dir = tmpl;
    const Picture pictures[] = {
        {"rgb.bmp", "", nullptr},
        {"bmp2.bmp", "-type TrueColor", "BMP2:"},
        {"palette.bmp", "-colors 16 -type Palette", nullptr},
        {"baseline.jpg", "-quality 80", nullptr},
        {"progressive.jpeg", "-interlace JPEG", nullptr},
        {"grey.jpg", "-colorspace Gray", nullptr},
        {"exif.jpg", "-set comment hello -define jpeg:sampling-factor=2x2", nullptr},
        {"image.gif", "", nullptr},
        {"image.tga", "", nullptr},
        {"rle.tga", "-compress RLE", nullptr},
        {"image.pcx", "", nullptr},
        {"palette.pcx", "-colors 8 -type Palette", nullptr},
    };
    const char* sizes[] = {"37x21", "1x1", "640x3", "5x777"};
    CImageInfoReaders readers;
    int checked = 0;
    for (const char* size : sizes) {
        for (const Picture& p : pictures) {
            std::string out = dir + "/" + size + "-" + p.name;
            const std::string make = std::string("convert -size ") + size + " gradient:red-blue " + p.options + " '" +
                                     (p.format ? p.format : "") + out + "' 2>/dev/null";
            ASSERT_EQ(std::system(make.c_str()), 0) << make;
            const std::string expected = Capture("identify -format '%w %h' '" + out + "[0]' 2>/dev/null");
            int32_t w = 0, h = -1, d = -1;
            readers.GetImageInfo(out, w, h, d);
            EXPECT_EQ(std::to_string(w) + " " + std::to_string(h), expected) << out;
            EXPECT_GT(d, 0) << out;
            std::remove(out.c_str());
            ++checked;
        }
    }
    rmdir(dir.c_str());
    EXPECT_EQ(checked, 48);
}

}  // namespace
