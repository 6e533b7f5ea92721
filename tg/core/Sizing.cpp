#include "tg/core/Sizing.h"

#include <algorithm>

namespace tg {

void FitInside(int picW, int picH, int boxW, int boxH, int& w, int& h) {
    // Compare boxW / picW with boxH / picH without rounding.
    if (int64_t(boxW) * picH <= int64_t(boxH) * picW) {
        w = boxW;
        h = static_cast<int>((int64_t(picH) * boxW + picW / 2) / picW);
    } else {
        h = boxH;
        w = static_cast<int>((int64_t(picW) * boxH + picH / 2) / picH);
    }
    w = std::max(1, std::min(w, boxW));
    h = std::max(1, std::min(h, boxH));
}

bool PlanRender(uint32_t mode, int boxW, int boxH, int screenW, int screenH, int picW, int picH, RenderPlan& plan) {
    plan = RenderPlan();
    if (picW <= 0 || picH <= 0 || screenW <= 0 || screenH <= 0) return false;
    plan.pictureWidth = picW;
    plan.pictureHeight = picH;
    switch (SizeModeOf(mode)) {
        case kFitScreen:
            FitInside(picW, picH, screenW, screenH, plan.pictureWidth, plan.pictureHeight);
            break;
        case kTiled:
            plan.tiled = true;
            plan.width = screenW;
            plan.height = screenH;
            return true;
        case kCustom:
            if (FitModeOf(mode) == 1) {
                if (boxW <= 0 || boxH <= 0) {
                    boxW = screenW;
                    boxH = screenH;
                }
                FitInside(picW, picH, boxW, boxH, plan.pictureWidth, plan.pictureHeight);
            }
            break;
        default:
            break;
    }
    plan.width = plan.pictureWidth;
    plan.height = plan.pictureHeight;
    return true;
}

bool PlanThumbnail(int boxW, int boxH, int picW, int picH, int& w, int& h) {
    if (boxW <= 0 || boxH <= 0 || picW <= 0 || picH <= 0) return false;
    if (picW <= boxW && picH <= boxH) {
        w = picW;
        h = picH;
    } else {
        FitInside(picW, picH, boxW, boxH, w, h);
    }
    return true;
}

}  // namespace tg
