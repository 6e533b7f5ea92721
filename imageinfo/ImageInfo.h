// The configuration window's list of header readers and the look-up it makes for each
// added picture file.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "imageinfo/SummaryInfoPicker.h"

class CImageInfoReaders {
public:
    // The readers in the order they are asked: BMP, JPEG, GIF, TGA, PCX.
    CImageInfoReaders();

    // Sets width to 0, then lets the first reader whose extension matches read the file;
    // height and depth keep the caller's values unless that reader answers them.
    // No other reader is tried when the first one fails.
    void GetImageInfo(const std::string& path, int32_t& width, int32_t& height, int32_t& depth);

    const std::vector<std::unique_ptr<CSummaryInfoPicker>>& Readers() const { return m_readers; }

private:
    std::vector<std::unique_ptr<CSummaryInfoPicker>> m_readers;
};
