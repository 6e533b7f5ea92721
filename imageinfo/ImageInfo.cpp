#include "imageinfo/ImageInfo.h"

#include "imageinfo/BmpInfoPicker.h"
#include "imageinfo/GifSummaryInfoPicker.h"
#include "imageinfo/JpgSummaryInfoPicker.h"
#include "imageinfo/PCXSummaryInfoPicker.h"
#include "imageinfo/TGASummaryInfoPicker.h"

CImageInfoReaders::CImageInfoReaders() {
    m_readers.push_back(std::make_unique<CBmpInfoPicker>());
    m_readers.push_back(std::make_unique<CJpgSummaryInfoPicker>());
    m_readers.push_back(std::make_unique<CGifSummaryInfoPicker>());
    m_readers.push_back(std::make_unique<CTGASummaryInfoPicker>());
    m_readers.push_back(std::make_unique<CPCXSummaryInfoPicker>());
    for (auto& reader : m_readers) reader->InitExtensions();
}

void CImageInfoReaders::GetImageInfo(const std::string& path, int32_t& width, int32_t& height, int32_t& depth) {
    width = 0;
    for (auto& reader : m_readers) {
        if (!reader->Supports(path)) continue;
        if (!reader->Open(path)) return;
        reader->GetValue(kInfoKeyWidth, width);
        reader->GetValue(kInfoKeyHeight, height);
        reader->GetValue(kInfoKeyDepth, depth);
        return;
    }
}
