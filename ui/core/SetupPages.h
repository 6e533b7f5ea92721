// What the preferences sheet's and the quick setup wizard's pages compute: the thumbnail
// size list, the hotkey controls' values, the language page's first choice, the places of
// the sheets' buttons and of the wizard's picker.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "settings/OptionData.h"
#include "ui/core/ConfigLayout.h"

// The General page's list of square thumbnail sizes, not translated.
constexpr int kThumbSizeCount = 7;
std::string ThumbSizeEntryText(int index);
// The entry for a stored width: a width the list lacks shows as 128 x 128.
int ThumbSizeIndex(int width);
// The side for an entry: none selected (or any other index) is 128.
int ThumbSizeFromIndex(int index);

// The fade time list: off, 0.5 s, 1 s, 2 s. A stored time picks the nearest entry; none
// selected is the default, 1 s.
int FadeIndex(int32_t fadeMs);
int32_t FadeMsFromIndex(int index);

// The hotkey control's value: the key in the low byte, the modifier flags in the high
// byte. A key code the control cannot hold (above 255) shows as no hotkey.
uint16_t HotKeyControlValue(const CHotKeyItem& item);
CHotKeyItem HotKeyFromControlValue(uint16_t value);

// The language page's selection: the current language's index, or, when there is none,
// the first language whose name begins with "English" (any letter case); -1 for none.
int LanguageSelection(const std::vector<std::string>& names, int currentIndex);

// OK and Cancel at the right end of the sheet's button row: Cancel takes the rightmost
// place among the buttons as the system laid them out, OK the next one to its left.
// buttons holds every button of the row (OK and Cancel among them).
void RightEndButtonPlaces(const std::vector<UiRect>& buttons, UiRect& ok, UiRect& cancel);

// How far the wizard moves Back, Next, Finish and Cancel to the right, so that Cancel ends
// where the button row ends (where a Help button would stand); never to the left.
int WizardButtonShift(const UiRect& cancel, int rowRight);

// The wizard's picker (99 x 78): top-aligned with the hint label, centred between the
// label's right edge and the page's, never over the label.
UiRect WizardPickerPlace(const UiRect& hintLabel, int pageRight);
