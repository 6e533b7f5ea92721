// The section names the program looks up, and the keys of the windows that have no text
// table yet (the windows' tables in ui/core and lang/MenuText hold the rest): a test
// holds each shipped language file to both.
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
    {langsec::kStrings, "Yes"},
    {langsec::kStrings, "No"},
    {langsec::kStrings, "0001"},
    {langsec::kStrings, "0002"},
    {langsec::kStrings, "0003"},
    {langsec::kStrings, "0004"},
    {langsec::kStrings, "0006"},
    {langsec::kStrings, "0007"},
    {langsec::kStrings, "0008"},
    {langsec::kStrings, "0009"},
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
