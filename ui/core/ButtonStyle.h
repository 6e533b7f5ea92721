// CButtonStyle: the text and font that the configuration window hands to its owner-drawn
// buttons and option captions, taken from the head of a language section.
#pragma once
#include <string>

#include "lang/Language.h"

class CButtonStyle {
public:
    static constexpr size_t kMaxFaceName = 31;

    std::string m_strText;
    std::string m_strFace = "Arial";
    int m_nHeight = -16;  // pixels; negative: a character height
    int m_nWeight = 400;
};

struct FontDefault {
    const char* face;
    int points;
    int weight;
};

// The defaults of the three sections that carry a font.
constexpr FontDefault kCommandButtonFont = {"Arial", 12, 700};
constexpr FontDefault kListModeButtonFont = {"Arial", 10, 400};
constexpr FontDefault kDisplayOptionFont = {"Arial", 10, 700};

// The style's font from the section's font when the language gives a valid one (a face
// name too long for the system becomes "Arial", size and weight still taken), else the
// section's default.
void SetStyleFont(CButtonStyle& style, bool found, const CLangFont& font, const FontDefault& fallback);
