#include "ui/core/SectionFont.h"

#include "base/Trace.h"
#include "ui/core/ConfigLayout.h"

void SetStyleFont(CFontFace& style, bool found, const CLangFont& font, const FontDefault& fallback) {
    if (!found || !font.IsValid()) {
        style.m_strFace = fallback.face;
        style.m_nHeight = LanguageFontHeight(fallback.points);
        style.m_nWeight = fallback.weight;
        return;
    }
    if (font.m_strName.size() > CFontFace::kMaxFaceName) {
        VL_TRACE_MSG("font name too long");
        style.m_strFace = "Arial";
    } else {
        style.m_strFace = font.m_strName;
    }
    style.m_nHeight = LanguageFontHeight(font.m_nSize);
    // The system knows weights 0 (its default) to 1000.
    style.m_nWeight = font.m_nWeight < 0 ? 0 : (font.m_nWeight > 1000 ? 1000 : font.m_nWeight);
}
