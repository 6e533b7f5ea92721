// The size and position dialog's language texts (the wizard's size page shares the
// full-screen entry and some labels).
#pragma once
#include "lang/LangKeys.h"
#include "lang/TextTable.h"
#include "res/ImageSizeIds.h"

constexpr TextEntry kImageSizeCaptionText = {0, langsec::kImageSizeCustomDialog, "0001", "Size&Position Setting"};

// A key the language lacks leaves the template's text.
constexpr TextEntry kImageSizeDialogTexts[] = {
    {IDC_SIZE_LABEL, langsec::kImageSizeCustomDialog, "0002", nullptr},
    {IDC_MODE_LABEL, langsec::kImageSizeCustomDialog, "0003", nullptr},
    {IDC_POSITION_GROUP, langsec::kImageSizeCustomDialog, "0004", nullptr},
    {IDC_POSITION_RANDOM, langsec::kImageSizeCustomDialog, "0005", nullptr},
    {IDC_POSITION_CUSTOM, langsec::kImageSizeCustomDialog, "0006", nullptr},
    {IDC_PICKER_HINT, langsec::kImageSizeCustomDialog, "0007", nullptr},
    {1, langsec::kCommonDialogs, "Ok", nullptr},
    {2, langsec::kCommonDialogs, "Cancel", nullptr},
};

// Entry 0 of the size list.
constexpr TextEntry kFullScreenEntryText = {0, langsec::kImageSizeCustomDialog, "0008", "Full Screen Size"};
// The display mode list: the picture's own size, fit to the region.
constexpr TextEntry kDisplayModeEntryTexts[] = {
    {0, langsec::kImageSizeCustomDialog, "0009", "Original Image Size"},
    {1, langsec::kImageSizeCustomDialog, "0010", "Fit To Display Size"},
};
