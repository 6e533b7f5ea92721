// Resource ids of the configuration window (template 102), its menus and its strings.
#pragma once
#include "res/VelumIds.h"

// Template 102
#define IDC_ADD 1001
#define IDC_REMOVE 1002
#define IDC_SYSTEM_BUTTON 1003
#define IDC_MINIMIZE_BUTTON 1004
#define IDC_CLOSE_BUTTON 1005
#define IDC_IMAGE_LIST 1008
#define IDC_OPACITY 1010
#define IDC_CLEAR 1011
#define IDC_MAXIMIZE_BUTTON 1012
#define IDC_LIST_MODE 1013
#define IDC_SIZE_MODE 1015
#define IDC_SEQUENCE 1016
#define IDC_INTERVAL 1017
#define IDC_INTERVAL_SPIN 1021
#define IDC_TOP 1023
#define IDC_DOWN 1025
#define IDC_BOTTOM 1026
#define IDC_UP 1031

// Menus: the window's own (system button, right click), the list mode button's, the
// image list's context menu and the Add button's.
#define IDR_CONFIG_MENU 142
#define IDR_LIST_MODE_MENU 157
#define IDR_LIST_MENU 159
#define IDR_ADD_MENU 161
#define IDR_CONFIG_KEYS 152

// The colour depth cell of the image list, and the filter of the image list file dialogs
// (IDS_IMAGE_LIST_FILTER, in VelumIds.h).
#define IDS_DEPTH_FORMAT 146

// The platform's data exchange messages, filled with the range.
#define IDS_PARSE_INT 61712
#define IDS_PARSE_INT_RANGE 61714
