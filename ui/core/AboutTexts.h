// The About box's language texts, by control id (the caption is a format, filled apart).
#pragma once
#include "lang/LangKeys.h"
#include "lang/TextTable.h"
#include "res/TrayIds.h"

constexpr TextEntry kAboutBoxTexts[] = {
    {1, langsec::kCommonDialogs, "Ok", nullptr},
    {IDC_HOME_PAGE_LABEL, langsec::kStrings, "Home Page", nullptr},
    {IDC_FEEDBACK_LABEL, langsec::kStrings, "Feedback", nullptr},
};
constexpr TextEntry kAboutCaptionText = {0, langsec::kAboutDialog, "0001", nullptr};
// A format whose first %s takes the version text.
constexpr TextEntry kAboutVersionText = {IDC_ABOUT_VERSION, langsec::kAboutDialog, "0002", "Version %s"};
