#pragma once
#include "imageinfo/SummaryInfoPicker.h"

// Windows bitmaps: the 14-byte file header and the first 40 bytes of the info header
// (12 for the OS/2 core header).
class CBmpInfoPicker : public CSummaryInfoPicker {
public:
    static constexpr size_t kFileHeaderSize = 14;
    static constexpr size_t kInfoHeaderSize = 40;
    static constexpr size_t kCoreHeaderSize = 12;

    void InitExtensions() override;
    int GetKeyCount() const override { return 5; }
    bool GetValue(int key, int32_t& value) const override;
    bool IsKeySupported(int key) const override { return key >= kInfoKeyWidth && key <= kInfoKeyReserved2; }

protected:
    bool ReadHeader(CByteSource& source) override;

private:
    uint8_t m_fileHeader[kFileHeaderSize] = {};
    uint8_t m_infoHeader[kInfoHeaderSize] = {};
    bool m_bCoreHeader = false;
};
