// A display region written out in one line, for the tests of everything that uses one,
// and printed the same way when a comparison fails.
#pragma once
#include <ostream>

#include "settings/OptionData.h"

inline CDisplayRegion MakeRegion(int w, int h, int left, int top, int fit, int position) {
    CDisplayRegion r;
    r.m_nWidth = w;
    r.m_nHeight = h;
    r.m_nLeft = left;
    r.m_nTop = top;
    r.m_nFitMode = fit;
    r.m_nPositionMode = position;
    return r;
}

inline void PrintTo(const CDisplayRegion& r, std::ostream* os) {
    *os << "{" << r.m_nWidth << ", " << r.m_nHeight << ", " << r.m_nLeft << ", " << r.m_nTop << ", fit " << r.m_nFitMode
        << ", position " << r.m_nPositionMode << "}";
}
