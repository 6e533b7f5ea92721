#pragma once
#include "imageinfo/SummaryInfoPicker.h"

// GIF: the 6-byte signature and version and the logical screen descriptor.
class CGifSummaryInfoPicker : public CSummaryInfoPicker {
public:
    static constexpr size_t kHeaderSize = 13;

    void InitExtensions() override;
    int GetKeyCount() const override { return 3; }
    bool GetValue(int key, int32_t& value) const override;
    bool IsKeySupported(int) const override { return true; }

protected:
    bool ReadHeader(CByteSource& source) override;

private:
    uint8_t m_header[kHeaderSize] = {};
};
