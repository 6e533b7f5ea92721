// Resource ids of the tray menu and the About box.
#pragma once

#define IDR_TRAYMENU 132
#define IDD_ABOUTBOX 100

// About box controls
#define IDC_ABOUT_ICON 1040
#define IDC_ABOUT_PRODUCT 1041
#define IDC_ABOUT_VERSION 1042
#define IDC_HOME_PAGE_LABEL 1043
#define IDC_FEEDBACK_LABEL 1044
#define IDC_HOME_PAGE_LINK 1045
#define IDC_FEEDBACK_LINK 1046

// Command ids the tray menu shares with the main window (the same numbers as its own header).
#ifndef IDM_ABOUTBOX
#define IDM_ABOUTBOX 16
#endif
#ifndef ID_CONFIGURE
#define ID_CONFIGURE 32771
#endif
#ifndef ID_EXIT
#define ID_EXIT 32773
#endif
#ifndef ID_TOGGLE_ENABLED
#define ID_TOGGLE_ENABLED 32774
#endif
#ifndef ID_PREFERENCES
#define ID_PREFERENCES 32775
#endif
#ifndef ID_SITE_PLACEHOLDER
#define ID_SITE_PLACEHOLDER 32782
#endif
#ifndef ID_PREVIOUS_IMAGE
#define ID_PREVIOUS_IMAGE 32788
#endif
#ifndef ID_NEXT_IMAGE
#define ID_NEXT_IMAGE 32789
#endif
#ifndef ID_INCREASE_OPACITY
#define ID_INCREASE_OPACITY 32790
#endif
#ifndef ID_DECREASE_OPACITY
#define ID_DECREASE_OPACITY 32791
#endif
