// The language texts of the preferences sheet and the quick setup wizard, by control id.
// Captions and formats are filled apart; their English wording is the fallback.
#pragma once
#include "lang/LangKeys.h"
#include "lang/TextTable.h"
#include "res/SetupIds.h"
#include "ui/core/ImageSizeTexts.h"

constexpr TextEntry kSheetCaptionText = {0, langsec::kStrings, "Preferences", "Preferences"};
constexpr TextEntry kGeneralPageTitle = {0, langsec::kGeneralPage, "0006", "General"};
constexpr TextEntry kHotkeyPageTitle = {0, langsec::kHotkeyPage, "0001", "Hotkey"};

constexpr TextEntry kGeneralPageTexts[] = {
    {IDC_PREF_CHECK_UPDATE, langsec::kGeneralPage, "0001", nullptr},
    {IDC_PREF_PAUSE, langsec::kGeneralPage, "0002", nullptr},
    {IDC_PREF_AUTOSTART, langsec::kGeneralPage, "0003", nullptr},
    {IDC_PREF_THUMB_LABEL, langsec::kGeneralPage, "0004", nullptr},
    {IDC_PREF_PIXELS, langsec::kGeneralPage, "0005", nullptr},
    {IDC_PREF_FADE_LABEL, langsec::kGeneralPage, "0007", nullptr},
};

// The entries of the fade time list, in the order of FadeMsFromIndex.
constexpr TextEntry kFadeEntryTexts[] = {
    {0, langsec::kGeneralPage, "0008", "Off"},
    {1, langsec::kGeneralPage, "0009", "0.5 s"},
    {2, langsec::kGeneralPage, "0010", "1 s"},
    {3, langsec::kGeneralPage, "0011", "2 s"},
};

// The labels of the five hotkey controls, on the Hotkey page and on the wizard's.
constexpr TextEntry kHotkeyLabelTexts[] = {
    {1051, langsec::kHotkeyPage, "0002", nullptr}, {1052, langsec::kHotkeyPage, "0003", nullptr},
    {1053, langsec::kHotkeyPage, "0004", nullptr}, {1054, langsec::kHotkeyPage, "0005", nullptr},
    {1055, langsec::kHotkeyPage, "0006", nullptr},
};

constexpr TextEntry kWizardCaptionText = {0, langsec::kWizard, "0001", "%s Quick Setup Wizard"};
constexpr TextEntry kWizardCancelText = {0, langsec::kWizard, "0002",
                                         "Do you really want to cancel the Quick Setup Wizard?"};

constexpr TextEntry kWelcomePageTexts[] = {
    {IDC_QS_WELCOME_TITLE, langsec::kWelcomePage, "0001", nullptr},
};
constexpr TextEntry kWelcomeText = {
    IDC_QS_WELCOME_TEXT, langsec::kWelcomePage, "0002",
    "It's your first time to run %s . You need setup the most important setting for the program to run as "
    "desired. This Wizard will guide you through basic configuration steps, you will be sure not to miss anything "
    "important."};

constexpr TextEntry kLanguagePageTexts[] = {
    {IDC_QS_LANGUAGE_TITLE, langsec::kLanguagePage, "0001", nullptr},
    {IDC_QS_LANGUAGE_TEXT1, langsec::kLanguagePage, "0002", nullptr},
    {IDC_QS_LANGUAGE_TEXT2, langsec::kLanguagePage, "0003", nullptr},
    {IDC_QS_LANGUAGE_LABEL, langsec::kLanguagePage, "0004", nullptr},
};

constexpr TextEntry kHotkeySetupPageTexts[] = {
    {IDC_QS_HOTKEY_TITLE, langsec::kHotkeySetupPage, "0001", nullptr},
    {IDC_QS_HOTKEY_TEXT, langsec::kHotkeySetupPage, "0002", nullptr},
};

constexpr TextEntry kSizePageTexts[] = {
    {IDC_QS_SIZE_TITLE, langsec::kSizePositionPage, "0001", nullptr},
    {IDC_QS_SIZE_TEXT, langsec::kSizePositionPage, "0002", nullptr},
    {IDC_SIZE_LABEL, langsec::kImageSizeCustomDialog, "0002", nullptr},
    {IDC_PICKER_HINT, langsec::kImageSizeCustomDialog, "0007", nullptr},
};
