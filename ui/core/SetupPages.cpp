#include "ui/core/SetupPages.h"

#include <algorithm>

#include "base/StringUtil.h"
#include "ui/core/RegionPicker.h"

namespace {
constexpr int kThumbSides[kThumbSizeCount] = {32, 48, 64, 96, 128, 192, 256};
constexpr int kDefaultThumbEntry = 4;
constexpr int32_t kFadeTimes[] = {0, 500, 1000, 2000};
constexpr int kDefaultFadeEntry = 2;
}  // namespace

std::string ThumbSizeEntryText(int index) {
    if (index < 0 || index >= kThumbSizeCount) return std::string();
    const std::string side = std::to_string(kThumbSides[index]);
    return side + " x " + side;
}

int ThumbSizeIndex(int width) {
    for (int i = 0; i < kThumbSizeCount; ++i) {
        if (kThumbSides[i] == width) return i;
    }
    return kDefaultThumbEntry;
}

int ThumbSizeFromIndex(int index) {
    return kThumbSides[index >= 0 && index < kThumbSizeCount ? index : kDefaultThumbEntry];
}

int FadeIndex(int32_t fadeMs) {
    const int32_t ms = COptionData::ClampFadeMs(fadeMs);
    for (int i = 0; i < 4; ++i) {
        if (kFadeTimes[i] == ms) return i;
    }
    return kDefaultFadeEntry;
}

int32_t FadeMsFromIndex(int index) {
    return kFadeTimes[index >= 0 && index < 4 ? index : kDefaultFadeEntry];
}

uint16_t HotKeyControlValue(const CHotKeyItem& item) {
    if (item.m_wVirtualKey > 0xFF) return 0;
    return static_cast<uint16_t>(item.m_wVirtualKey | (item.m_wModifiers & 0xFF) << 8);
}

CHotKeyItem HotKeyFromControlValue(uint16_t value) {
    return CHotKeyItem(static_cast<uint16_t>(value & 0xFF), static_cast<uint16_t>(value >> 8));
}

int LanguageSelection(const std::vector<std::string>& names, int currentIndex) {
    if (currentIndex >= 0) return currentIndex < static_cast<int>(names.size()) ? currentIndex : -1;
    for (size_t i = 0; i < names.size(); ++i) {
        if (AsciiLower(names[i].substr(0, 7)) == "english") return static_cast<int>(i);
    }
    return -1;
}

void RightEndButtonPlaces(const std::vector<UiRect>& buttons, UiRect& ok, UiRect& cancel) {
    std::vector<UiRect> places = buttons;
    std::sort(places.begin(), places.end(), [](const UiRect& a, const UiRect& b) { return a.left > b.left; });
    if (places.empty()) return;
    cancel = places[0];
    // A place shared by two buttons (the system may have moved one over a hidden one) counts once.
    for (size_t i = 1; i < places.size(); ++i) {
        if (places[i].left < cancel.left) {
            ok = places[i];
            return;
        }
    }
}

int WizardButtonShift(const UiRect& cancel, int rowRight) {
    return std::max(0, rowRight - cancel.right);
}

UiRect WizardPickerPlace(const UiRect& hintLabel, int pageRight) {
    const int x = hintLabel.right + std::max(0, (pageRight - hintLabel.right - kPickerWidth) / 2);
    return Box(x, hintLabel.top, kPickerWidth, kPickerHeight);
}
