#pragma once
#include <vector>

#include "imageinfo/SummaryInfoPicker.h"

struct CJpgComponent {
    uint8_t m_nId = 0;
    uint8_t m_nHorizontal = 0;  // sampling factors
    uint8_t m_nVertical = 0;
    uint8_t m_nQuantTable = 0;
};

struct CJpgFrameHeader {
    int m_nType = 0;  // marker - 0xC0
    uint16_t m_nLength = 0;
    uint8_t m_nPrecision = 0;
    uint16_t m_nHeight = 0;
    uint16_t m_nWidth = 0;
    uint8_t m_nComponents = 0;
    std::vector<CJpgComponent> m_components;
};

// JPEG: walks the marker segments up to the first start of scan; the size is that of
// the first frame header. No start-of-image marker is required.
class CJpgSummaryInfoPicker : public CSummaryInfoPicker {
public:
    // A stream that has not reached its scan within this many bytes is not read further,
    // so a huge file of filler bytes costs no more than this.
    static constexpr uint64_t kMaxScanBytes = 16u << 20;
    // Frame headers beyond these are read and checked but not kept: only the first is used.
    static constexpr size_t kMaxKeptFrames = 16;

    void InitExtensions() override;
    int GetKeyCount() const override { return 5; }
    bool GetValue(int key, int32_t& value) const override;
    bool IsKeySupported(int key) const override { return key >= kInfoKeyWidth && key <= kInfoKeyReserved2; }

    const std::vector<CJpgFrameHeader>& FrameHeaders() const { return m_frames; }
    // From the first EXIF segment; orientations 5-8 swap the reported width and height.
    int Orientation() const { return m_nOrientation; }

protected:
    bool ReadHeader(CByteSource& source) override;

private:
    class CInput;
    bool ReadFrame(CInput& in, int marker);
    bool ReadHuffmanTables(CInput& in);
    bool ReadQuantTables(CInput& in);
    bool ReadScanHeader(CInput& in);
    bool ReadJfif(CInput& in);

    std::vector<CJpgFrameHeader> m_frames;
    uint8_t m_nDensityUnits = 0;
    uint16_t m_nXDensity = 0;
    uint16_t m_nYDensity = 0;
    int m_nOrientation = 1;
};
