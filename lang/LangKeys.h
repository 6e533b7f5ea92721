// The section names the program looks up, the keys of its messages and small dialogs
// (named in the code only through the constants here), and the list that the help page on
// language files shows and a test holds each shipped language file to; the windows' text
// tables in ui/core and lang/MenuText hold the other keys.
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

// Messages of section "Strings".
namespace strkey {
constexpr char kYes[] = "Yes";
constexpr char kNo[] = "No";
constexpr char kSelectFilesFirst[] = "0001";
constexpr char kSaveListFailed[] = "0002";
constexpr char kLoadListFailed[] = "0003";
constexpr char kPluginMissing[] = "0004";
constexpr char kNeedMoreColours[] = "0006";
constexpr char kHelpFileMissing[] = "0007";
constexpr char kNotSaved[] = "0008";
constexpr char kEndUnsaved[] = "0009";
}  // namespace strkey

namespace addfolderkey {
constexpr char kCaption[] = "0001";
constexpr char kIncludeSubFolders[] = "0002";
}  // namespace addfolderkey

struct LangKeyRef {
    const char* section;
    const char* key;
};

// The sections whose head may carry a font for the configuration window.
constexpr const char* kFontSections[] = {langsec::kCommandButton, langsec::kListModeButton, langsec::kDisplayOption};

constexpr LangKeyRef kProgramLangKeys[] = {
    {langsec::kStrings, strkey::kYes},
    {langsec::kStrings, strkey::kNo},
    {langsec::kStrings, strkey::kSelectFilesFirst},
    {langsec::kStrings, strkey::kSaveListFailed},
    {langsec::kStrings, strkey::kLoadListFailed},
    {langsec::kStrings, strkey::kPluginMissing},
    {langsec::kStrings, strkey::kNeedMoreColours},
    {langsec::kStrings, strkey::kHelpFileMissing},
    {langsec::kStrings, strkey::kNotSaved},
    {langsec::kStrings, strkey::kEndUnsaved},
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
    {langsec::kAddFolderDialog, addfolderkey::kCaption},
    {langsec::kAddFolderDialog, addfolderkey::kIncludeSubFolders},
};

constexpr size_t kProgramLangKeyCount = sizeof(kProgramLangKeys) / sizeof(kProgramLangKeys[0]);
