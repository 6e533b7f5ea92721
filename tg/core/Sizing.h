// How big a picture comes out of the plug-in. The display window passes a mode word
// (low 16 bits size mode, high 16 bits fit mode) and a box; thumbnails pass only a box.
#pragma once
#include <cstdint>

namespace tg {

enum SizeMode { kOwnSize = 0, kFitScreen = 1, kTiled = 2, kCustom = 3 };

struct RenderPlan {
    int width = 0;  // the rendered bitmap
    int height = 0;
    int pictureWidth = 0;  // the picture scaled, drawn once or (tiled) repeated from the top-left
    int pictureHeight = 0;
    bool tiled = false;
};

inline int SizeModeOf(uint32_t mode) {
    return static_cast<int>(mode & 0xFFFF);
}
inline int FitModeOf(uint32_t mode) {
    return static_cast<int>(mode >> 16);
}

// The largest size with the picture's proportions inside boxW x boxH (at least 1 x 1).
void FitInside(int picW, int picH, int boxW, int boxH, int& w, int& h);

// False when the sizes are not positive. An unknown size mode renders the picture's own size;
// a custom box that is not positive stands for the screen.
bool PlanRender(uint32_t mode, int boxW, int boxH, int screenW, int screenH, int picW, int picH, RenderPlan& plan);

// Thumbnails keep the proportions and are never enlarged.
bool PlanThumbnail(int boxW, int boxH, int picW, int picH, int& w, int& h);

}  // namespace tg
