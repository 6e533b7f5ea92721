// Resource ids of the display window.
#pragma once

#define IDD_IMAGE_DISPLAY 129
