#include "ui/core/ConfigTexts.h"

#include "lang/LangKeys.h"
#include "res/ConfigIds.h"

using namespace langsec;

const TextEntry kConfigButtonTexts[5] = {
    {IDC_ADD, kCommandButton, "Add", nullptr},     {IDC_REMOVE, kCommandButton, "Remove", nullptr},
    {IDC_CLEAR, kCommandButton, "Clear", nullptr}, {1, kCommonDialogs, "Ok", "OK"},
    {2, kCommonDialogs, "Cancel", nullptr},
};

const TextEntry kListModeButtonTexts[2] = {
    {0, kListModeButton, "Details", nullptr},
    {1, kListModeButton, "Thumbnail", "Thumbnails"},
};

const TextEntry kOptionCaptionTexts[4] = {
    {0, kDisplayOption, "Opacity", "Opacity :"},
    {1, kDisplayOption, "Intervals", "Intervals (secs) :"},
    {2, kDisplayOption, "Display Sequence", "Display Sequence :"},
    {3, kDisplayOption, "Size Position", "Size&&Position :"},
};

const TextEntry kSequenceEntryTexts[2] = {
    {0, kDisplaySequenceCB, "Normalize", nullptr},
    {1, kDisplaySequenceCB, "Randomize", nullptr},
};

const TextEntry kSizeModeEntryTexts[4] = {
    {0, kImageSizeCB, "Orignal Image Size", "Original Image Size"},
    {1, kImageSizeCB, "Fit To Screen", nullptr},
    {2, kImageSizeCB, "Tiled", nullptr},
    {3, kImageSizeCB, "Custom", nullptr},
};

const TextEntry kListColumnTexts[6] = {
    {0, kImageListColumn, "Name", nullptr},        {1, kImageListColumn, "Location", nullptr},
    {2, kImageListColumn, "Width", nullptr},       {3, kImageListColumn, "Height", nullptr},
    {4, kImageListColumn, "Color Depth", nullptr}, {5, kImageListColumn, "Include Sub Folder", nullptr},
};

const TextEntry kConfigToolTipTexts[19] = {
    {1, kToolTips, "OK Button", nullptr},
    {2, kToolTips, "Cancel Button", nullptr},
    {IDC_ADD, kToolTips, "Add Button", nullptr},
    {IDC_REMOVE, kToolTips, "Remove Button", nullptr},
    {IDC_SYSTEM_BUTTON, kToolTips, "System Button", nullptr},
    {IDC_MINIMIZE_BUTTON, kToolTips, "Minimize Button", nullptr},
    {IDC_CLOSE_BUTTON, kToolTips, "Close Button", nullptr},
    {IDC_IMAGE_LIST, kToolTips, "Image List", nullptr},
    {IDC_OPACITY, kToolTips, "Opacity Combobox", nullptr},
    {IDC_CLEAR, kToolTips, "Clear Button", nullptr},
    {IDC_MAXIMIZE_BUTTON, kToolTips, "Maximize Button", nullptr},
    {IDC_LIST_MODE, kToolTips, "List Mode Button", nullptr},
    {IDC_SIZE_MODE, kToolTips, "Image Size Combobox", nullptr},
    {IDC_SEQUENCE, kToolTips, "Display Sequence Combobox", nullptr},
    {IDC_INTERVAL, kToolTips, "Interval Combobox", nullptr},
    {IDC_TOP, kToolTips, "Top Button", nullptr},
    {IDC_DOWN, kToolTips, "Down Button", nullptr},
    {IDC_BOTTOM, kToolTips, "Bottom Button", nullptr},
    {IDC_UP, kToolTips, "Up Button", nullptr},
};

const MenuTextEntry kConfigMenuTexts[11] = {
    {ID_TOGGLE_ENABLED, false, kMenu, nullptr, COptionData::HK_ENABLE, nullptr},
    {kConfigLanguageMenuPosition, true, kMenu, "Language", -1, "&Language"},
    {ID_GET_LANGUAGE_PACK, false, kMenu, "Get Additional Update language pack", -1, "Get Additional Language Packs"},
    {ID_PREFERENCES, false, kStrings, "Preferences", -1, "&Preferences"},
    {ID_LOAD_IMAGE_LIST, false, kMenu, "Load Image List", -1, nullptr},
    {ID_SAVE_IMAGE_LIST, false, kMenu, "Save Image List", -1, nullptr},
    {ID_HELP_CONTENTS, false, kMenu, "Help", -1, "&Help\tF1"},
    {kConfigSiteMenuPosition, true, kMenu, "Download Wallpaper From", -1, nullptr},
    {ID_WEB_PAGE, false, kMenu, "Velum On The Web", -1, nullptr},
    {IDM_ABOUTBOX, false, kMenu, "About", -1, nullptr},
    {ID_EXIT, false, kMenu, "Exit", -1, "E&xit"},
};

const MenuTextEntry kListModeMenuTexts[2] = {
    {ID_DETAILS_VIEW, false, kListModeButton, "Details", -1, nullptr},
    {ID_THUMBNAILS_VIEW, false, kListModeButton, "Thumbnail", -1, "Thumbnails"},
};

const MenuTextEntry kListMenuTexts[9] = {
    {ID_ADD_IMAGE_FILES, false, kMenu, "Add Image Files", -1, nullptr},
    {ID_ADD_IMAGE_FOLDER, false, kMenu, "Add Image Folder", -1, nullptr},
    {IDC_REMOVE, false, kMenu, "Remove", -1, "Remove\tDel"},
    {IDC_CLEAR, false, kMenu, "Clear", -1, nullptr},
    {ID_LOAD_IMAGE_LIST, false, kMenu, "Load Image List", -1, nullptr},
    {ID_SAVE_IMAGE_LIST, false, kMenu, "Save Image List", -1, nullptr},
    {ID_SELECT_ALL, false, kMenu, "Select All", -1, "Select All\tCtrl+A"},
    {ID_INVERT_SELECTION, false, kMenu, "Invert Selection", -1, "Invert Selection\tCtrl+Q"},
    {ID_HELP_CONTENTS, false, kMenu, "Help", -1, "&Help\tF1"},
};

const MenuTextEntry kAddMenuTexts[2] = {
    {ID_ADD_IMAGE_FILES, false, kMenu, "Add Image Files", -1, nullptr},
    {ID_ADD_IMAGE_FOLDER, false, kMenu, "Add Image Folder", -1, nullptr},
};

const TextEntry* ToolTipEntry(unsigned controlId) {
    for (const TextEntry& e : kConfigToolTipTexts) {
        if (e.id == controlId) return &e;
    }
    return nullptr;
}
