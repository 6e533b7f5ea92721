// What the configuration window's parts ask of the hub, for the benchmarks: the options,
// the picture headers, and silence instead of message boxes.
#pragma once
#include <windows.h>

#include <string>

#include "imageinfo/ImageInfo.h"
#include "ui/ConfigWindow.h"
#include "ui/ImageListCommands.h"

struct BenchHost : IConfigWindowHost, IImageListHost {
    COptionData options;
    CImageInfoReaders readers;
    COptionData& Options() override { return options; }
    void SetModified() override {}
    void ResetDisplayList() override {}
    void GetImageInfo(const std::string& path, int32_t& width, int32_t& height, int32_t& depth) override {
        readers.GetImageInfo(path, width, height, depth);
    }
    int LangMessageBox(const char*, UINT) override { return IDOK; }
};
