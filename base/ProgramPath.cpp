#include "base/ProgramPath.h"

std::string ProgramFolder() {
    std::string path = ProgramFilePath();
    size_t cut = path.find_last_of("\\/");
    return cut == std::string::npos ? std::string(".") : path.substr(0, cut);
}
