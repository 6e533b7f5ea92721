#pragma once
#include "imageinfo/SummaryInfoPicker.h"

// Targa: the 18-byte header. The format has no signature, so any 18 bytes are a header.
class CTGASummaryInfoPicker : public CSummaryInfoPicker {
public:
    static constexpr size_t kHeaderSize = 18;

    void InitExtensions() override;
    int GetKeyCount() const override { return 5; }
    bool GetValue(int key, int32_t& value) const override;
    bool IsKeySupported(int) const override { return true; }

protected:
    bool ReadHeader(CByteSource& source) override;

private:
    uint8_t m_header[kHeaderSize] = {};
};
