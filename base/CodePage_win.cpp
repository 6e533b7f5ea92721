#include "base/CodePage.h"

#include <windows.h>

bool AnsiLeadByte(unsigned char c) {
    return IsDBCSLeadByte(c) != FALSE;
}
