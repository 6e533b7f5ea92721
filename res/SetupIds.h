// Resource ids of the preferences sheet (templates 105, 106) and the quick setup wizard
// (templates 160, 162, 163, 164).
#pragma once
#include "res/ArtIds.h"
#include "res/ImageSizeIds.h"
#include "res/VelumIds.h"

#define IDD_GENERAL_PAGE 105
#define IDD_HOTKEY_PAGE 106
#define IDD_QS_WELCOME 160
#define IDD_QS_LANGUAGE 162
#define IDD_QS_HOTKEY 163
#define IDD_QS_SIZE 164

// General page
#define IDC_PREF_CHECK_UPDATE 1053
#define IDC_PREF_PAUSE 1033
#define IDC_PREF_AUTOSTART 1034
#define IDC_PREF_THUMB_LABEL 1049
#define IDC_PREF_THUMB_SIZE 1056
#define IDC_PREF_PIXELS 1050
#define IDC_PREF_FADE_LABEL 1057
#define IDC_PREF_FADE 1058

// Hotkey controls (Hotkey page and wizard), in slot order, and their labels
#define IDC_HOTKEY_FIRST 1040
#define IDC_HOTKEY_LAST 1044
#define IDC_HOTKEY_LABEL_FIRST 1051
#define IDC_HOTKEY_LABEL_LAST 1055

// Wizard pages
#define IDC_QS_PICTURE 1090  // bitmap 166, on every page
#define IDC_QS_WELCOME_TITLE 1064
#define IDC_QS_WELCOME_TEXT 1065
#define IDC_QS_LANGUAGE_TITLE 1066
#define IDC_QS_LANGUAGE_TEXT1 1067
#define IDC_QS_LANGUAGE_TEXT2 1068
#define IDC_QS_LANGUAGE_LABEL 1069
#define IDC_QS_LANGUAGE_LIST 1063
#define IDC_QS_HOTKEY_TITLE 1070
#define IDC_QS_HOTKEY_TEXT 1071
#define IDC_QS_SIZE_TITLE 1072
#define IDC_QS_SIZE_TEXT 1073
// The size page's list, label, hint and picker have the size dialog's ids.
