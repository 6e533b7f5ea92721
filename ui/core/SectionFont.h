// The fonts of the language sections that carry one, as the configuration window's
// owner-drawn buttons and option captions use them.
#pragma once
#include "lang/Language.h"

struct FontDefault {
    const char* face;
    int points;
    int weight;
};

// The defaults of the three sections that carry a font.
constexpr FontDefault kCommandButtonFont = {"Arial", 12, 700};
constexpr FontDefault kListModeButtonFont = {"Arial", 10, 400};
constexpr FontDefault kDisplayOptionFont = {"Arial", 10, 700};

// The section's font when the language gives a valid one (a face name too long for the
// system becomes "Arial", size and weight still taken), else the section's default.
void SetStyleFont(CFontFace& face, bool found, const CLangFont& font, const FontDefault& fallback);
