#include "base/ResString_win.h"

std::string LoadResString(UINT id) {
    char buf[512] = {};
    int n = LoadStringA(GetModuleHandleA(nullptr), id, buf, sizeof buf);
    return std::string(buf, n > 0 ? n : 0);
}
