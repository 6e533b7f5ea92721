// Resource ids of the size and position dialog (template 147). The quick setup wizard's
// size page uses the same ids for the controls it shares with it.
#pragma once

#define IDD_IMAGE_SIZE_CUSTOM 147

#define IDC_DISPLAY_SIZE 1034     // size list: full screen, then "%d x %d"
#define IDC_DISPLAY_MODE 1035     // own size, fit to the region
#define IDC_PICKER_HINT 1037      // how to use the picker
#define IDC_POSITION_PICKER 1038  // placeholder the picker takes the place of
#define IDC_POSITION_RANDOM 1039
#define IDC_POSITION_CUSTOM 1040
#define IDC_SIZE_LABEL 1054
#define IDC_MODE_LABEL 1055
#define IDC_POSITION_GROUP 1056
