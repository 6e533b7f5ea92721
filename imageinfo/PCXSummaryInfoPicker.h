#pragma once
#include "imageinfo/SummaryInfoPicker.h"

// PCX: the 128-byte header.
class CPCXSummaryInfoPicker : public CSummaryInfoPicker {
public:
    static constexpr size_t kHeaderSize = 128;

    void InitExtensions() override;
    int GetKeyCount() const override { return 5; }
    bool GetValue(int key, int32_t& value) const override;
    bool IsKeySupported(int key) const override { return key >= kInfoKeyWidth && key <= kInfoKeyReserved2; }

protected:
    bool ReadHeader(CByteSource& source) override;

private:
    uint8_t m_header[kHeaderSize] = {};
};
