// The text and font that an owner-drawn button or option caption is painted with.
#pragma once
#include <string>

#include "lang/Language.h"

class CButtonStyle : public CFontFace {
public:
    std::string m_strText;
};
