// Every section and key that the program looks up in a language file, in one place:
// the windows use these names, and a test holds each shipped language file to the list.
#pragma once
#include <cstddef>

namespace langsec {
constexpr char kCommandButton[] = "Command Button";
constexpr char kCommonDialogs[] = "Common Dialogs";
constexpr char kListModeButton[] = "List Mode Button";
constexpr char kDisplayOption[] = "Display Option";
constexpr char kDisplaySequenceCB[] = "Display Sequence CB";
constexpr char kImageSizeCB[] = "Image Size CB";
constexpr char kImageListColumn[] = "Image List Column";
constexpr char kToolTips[] = "ToolTips";
constexpr char kMenu[] = "Menu";
constexpr char kStrings[] = "Strings";
constexpr char kAboutDialog[] = "About Dialog";
constexpr char kGeneralPage[] = "General Preferences Page";
constexpr char kHotkeyPage[] = "Hotkey Preferences Page";
constexpr char kWizard[] = "Quick Setup Wizard";
constexpr char kWelcomePage[] = "Quick Setup Welcome Page";
constexpr char kLanguagePage[] = "Quick Setup Language Page";
constexpr char kHotkeySetupPage[] = "Quick Setup Hotkey Page";
constexpr char kSizePositionPage[] = "Quick Setup Size&Position Page";
constexpr char kImageSizeCustomDialog[] = "Image Size Custon Dialog";
constexpr char kAddFolderDialog[] = "Add Image Folder Dialog";
}  // namespace langsec

struct LangKeyRef {
    const char* section;
    const char* key;
};

// The sections whose head may carry a font for the configuration window.
constexpr const char* kFontSections[] = {langsec::kCommandButton, langsec::kListModeButton, langsec::kDisplayOption};

constexpr LangKeyRef kProgramLangKeys[] = {
    {langsec::kCommandButton, "Add"},
    {langsec::kCommandButton, "Remove"},
    {langsec::kCommandButton, "Clear"},
    {langsec::kCommonDialogs, "Ok"},
    {langsec::kCommonDialogs, "Cancel"},
    {langsec::kListModeButton, "Details"},
    {langsec::kListModeButton, "Thumbnail"},
    {langsec::kDisplayOption, "Opacity"},
    {langsec::kDisplayOption, "Intervals"},
    {langsec::kDisplayOption, "Display Sequence"},
    {langsec::kDisplayOption, "Size Position"},
    {langsec::kDisplaySequenceCB, "Normalize"},
    {langsec::kDisplaySequenceCB, "Randomize"},
    {langsec::kImageSizeCB, "Orignal Image Size"},
    {langsec::kImageSizeCB, "Fit To Screen"},
    {langsec::kImageSizeCB, "Tiled"},
    {langsec::kImageSizeCB, "Custom"},
    {langsec::kImageListColumn, "Name"},
    {langsec::kImageListColumn, "Location"},
    {langsec::kImageListColumn, "Width"},
    {langsec::kImageListColumn, "Height"},
    {langsec::kImageListColumn, "Color Depth"},
    {langsec::kImageListColumn, "Include Sub Folder"},
    {langsec::kToolTips, "OK Button"},
    {langsec::kToolTips, "Cancel Button"},
    {langsec::kToolTips, "Add Button"},
    {langsec::kToolTips, "Remove Button"},
    {langsec::kToolTips, "System Button"},
    {langsec::kToolTips, "Minimize Button"},
    {langsec::kToolTips, "Close Button"},
    {langsec::kToolTips, "Image List"},
    {langsec::kToolTips, "Opacity Combobox"},
    {langsec::kToolTips, "Clear Button"},
    {langsec::kToolTips, "Maximize Button"},
    {langsec::kToolTips, "List Mode Button"},
    {langsec::kToolTips, "Image Size Combobox"},
    {langsec::kToolTips, "Display Sequence Combobox"},
    {langsec::kToolTips, "Interval Combobox"},
    {langsec::kToolTips, "Top Button"},
    {langsec::kToolTips, "Down Button"},
    {langsec::kToolTips, "Bottom Button"},
    {langsec::kToolTips, "Up Button"},
    {langsec::kMenu, "Configure"},
    {langsec::kMenu, "Disable"},
    {langsec::kMenu, "Enable"},
    {langsec::kMenu, "Previous Image"},
    {langsec::kMenu, "Next Image"},
    {langsec::kMenu, "Increase Opacity"},
    {langsec::kMenu, "Decrease Opacity"},
    {langsec::kMenu, "Download Wallpaper From"},
    {langsec::kMenu, "About"},
    {langsec::kMenu, "Exit"},
    {langsec::kMenu, "Language"},
    {langsec::kMenu, "Get Additional Update language pack"},
    {langsec::kMenu, "Load Image List"},
    {langsec::kMenu, "Save Image List"},
    {langsec::kMenu, "Help"},
    {langsec::kMenu, "Velum On The Web"},
    {langsec::kMenu, "Add Image Files"},
    {langsec::kMenu, "Add Image Folder"},
    {langsec::kMenu, "Remove"},
    {langsec::kMenu, "Clear"},
    {langsec::kMenu, "Select All"},
    {langsec::kMenu, "Invert Selection"},
    {langsec::kStrings, "Yes"},
    {langsec::kStrings, "No"},
    {langsec::kStrings, "Preferences"},
    {langsec::kStrings, "Home Page"},
    {langsec::kStrings, "Feedback"},
    {langsec::kStrings, "0001"},
    {langsec::kStrings, "0002"},
    {langsec::kStrings, "0003"},
    {langsec::kStrings, "0004"},
    {langsec::kStrings, "0006"},
    {langsec::kStrings, "0007"},
    {langsec::kAboutDialog, "0001"},
    {langsec::kGeneralPage, "0001"},
    {langsec::kGeneralPage, "0002"},
    {langsec::kGeneralPage, "0003"},
    {langsec::kGeneralPage, "0004"},
    {langsec::kGeneralPage, "0005"},
    {langsec::kGeneralPage, "0006"},
    {langsec::kHotkeyPage, "0001"},
    {langsec::kHotkeyPage, "0002"},
    {langsec::kHotkeyPage, "0003"},
    {langsec::kHotkeyPage, "0004"},
    {langsec::kHotkeyPage, "0005"},
    {langsec::kHotkeyPage, "0006"},
    {langsec::kWizard, "0001"},
    {langsec::kWizard, "0002"},
    {langsec::kWelcomePage, "0001"},
    {langsec::kWelcomePage, "0002"},
    {langsec::kLanguagePage, "0001"},
    {langsec::kLanguagePage, "0002"},
    {langsec::kLanguagePage, "0003"},
    {langsec::kLanguagePage, "0004"},
    {langsec::kHotkeySetupPage, "0001"},
    {langsec::kHotkeySetupPage, "0002"},
    {langsec::kSizePositionPage, "0001"},
    {langsec::kSizePositionPage, "0002"},
    {langsec::kImageSizeCustomDialog, "0001"},
    {langsec::kImageSizeCustomDialog, "0002"},
    {langsec::kImageSizeCustomDialog, "0003"},
    {langsec::kImageSizeCustomDialog, "0004"},
    {langsec::kImageSizeCustomDialog, "0005"},
    {langsec::kImageSizeCustomDialog, "0006"},
    {langsec::kImageSizeCustomDialog, "0007"},
    {langsec::kImageSizeCustomDialog, "0008"},
    {langsec::kImageSizeCustomDialog, "0009"},
    {langsec::kImageSizeCustomDialog, "0010"},
    {langsec::kAddFolderDialog, "0001"},
    {langsec::kAddFolderDialog, "0002"},
};

constexpr size_t kProgramLangKeyCount = sizeof(kProgramLangKeys) / sizeof(kProgramLangKeys[0]);
