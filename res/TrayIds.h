// Resource ids of the tray menu and the About box.
#pragma once
#include "res/VelumIds.h"

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
