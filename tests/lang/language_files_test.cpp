// Holds the shipped language files to the keys the program looks up.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lang/LangKeys.h"
#include "lang/LanguageManager.h"
#include "lang/MenuText.h"
#include "ui/core/AboutTexts.h"
#include "ui/core/ConfigTexts.h"
#include "ui/core/ImageSizeTexts.h"
#include "ui/core/SetupTexts.h"

namespace {

const std::string kFolder = std::string(VELUM_SOURCE_DIR) + "/language";
const char* const kFiles[] = {"vmeng.lng", "vmdeu.lng", "vmjpn.lng"};

// Keys that are formats filled with the program name or the version.
bool IsFormatKey(const std::string& section, const std::string& key) {
    return (section == langsec::kAboutDialog && (key == "0001" || key == "0002")) ||
           (section == langsec::kWizard && key == "0001") || (section == langsec::kWelcomePage && key == "0002");
}

// Every key the program asks for: the windows' text tables, and the list of the keys of
// windows that have no table yet.
std::vector<LangKeyRef> ProgramKeys() {
    std::vector<LangKeyRef> keys(std::begin(kProgramLangKeys), std::end(kProgramLangKeys));
    auto add = [&keys](const TextEntry* table, size_t n) {
        for (size_t i = 0; i < n; ++i) keys.push_back({table[i].section, table[i].key});
    };
    add(kConfigButtonTexts, CountOf(kConfigButtonTexts));
    add(kListModeButtonTexts, CountOf(kListModeButtonTexts));
    add(kOptionCaptionTexts, CountOf(kOptionCaptionTexts));
    add(kSequenceEntryTexts, CountOf(kSequenceEntryTexts));
    add(kSizeModeEntryTexts, CountOf(kSizeModeEntryTexts));
    add(kListColumnTexts, CountOf(kListColumnTexts));
    add(kConfigToolTipTexts, CountOf(kConfigToolTipTexts));
    add(kAboutBoxTexts, CountOf(kAboutBoxTexts));
    for (const TextEntry& e : {kAboutCaptionText, kAboutVersionText}) keys.push_back({e.section, e.key});
    add(kImageSizeDialogTexts, CountOf(kImageSizeDialogTexts));
    add(kDisplayModeEntryTexts, CountOf(kDisplayModeEntryTexts));
    for (const TextEntry& e : {kImageSizeCaptionText, kFullScreenEntryText}) keys.push_back({e.section, e.key});
    add(kGeneralPageTexts, CountOf(kGeneralPageTexts));
    add(kFadeEntryTexts, CountOf(kFadeEntryTexts));
    add(kHotkeyLabelTexts, CountOf(kHotkeyLabelTexts));
    add(kWelcomePageTexts, CountOf(kWelcomePageTexts));
    add(kLanguagePageTexts, CountOf(kLanguagePageTexts));
    add(kHotkeySetupPageTexts, CountOf(kHotkeySetupPageTexts));
    add(kSizePageTexts, CountOf(kSizePageTexts));
    for (const TextEntry* e : {&kSheetCaptionText, &kGeneralPageTitle, &kHotkeyPageTitle, &kWizardCaptionText,
                               &kWizardCancelText, &kWelcomeText})
        keys.push_back({e->section, e->key});
    auto addMenu = [&keys](const MenuTextEntry* table, size_t n) {
        for (size_t i = 0; i < n; ++i) {
            if (table[i].key) {
                keys.push_back({table[i].section, table[i].key});
            } else {  // the item that follows the slideshow's state
                keys.push_back({table[i].section, "Enable"});
                keys.push_back({table[i].section, "Disable"});
            }
        }
    };
    addMenu(kTrayMenuTexts, kTrayMenuTextCount);
    addMenu(kConfigMenuTexts, std::size(kConfigMenuTexts));
    addMenu(kListModeMenuTexts, std::size(kListModeMenuTexts));
    addMenu(kListMenuTexts, std::size(kListMenuTexts));
    addMenu(kAddMenuTexts, std::size(kAddMenuTexts));
    return keys;
}

size_t Count(const std::string& text, const std::string& what) {
    size_t n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

TEST(LanguageFilesTest, EveryKeyTheProgramLooksUpIsThere) {
    for (const char* file : kFiles) {
        SCOPED_TRACE(file);
        CLanguageManager mgr;
        ASSERT_TRUE(mgr.LoadLanguage(kFolder + "/" + file));
        for (const LangKeyRef& ref : ProgramKeys()) {
            SCOPED_TRACE(std::string(ref.section) + " / " + ref.key);
            std::string text;
            if (!mgr.GetString(ref.section, ref.key, text)) {
                ADD_FAILURE() << "missing key";
                continue;
            }
            EXPECT_FALSE(text.empty());
            // A stray '%' would make the formatting windows read arguments that are not there.
            EXPECT_EQ(Count(text, "%"), IsFormatKey(ref.section, ref.key) ? 1u : 0u);
            if (IsFormatKey(ref.section, ref.key)) {
                EXPECT_EQ(Count(text, "%s"), 1u);
            }
        }
    }
}

}  // namespace
