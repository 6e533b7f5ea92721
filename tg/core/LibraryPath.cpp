#include "tg/core/LibraryPath.h"

std::vector<std::string> GdiplusCandidates(bool windows2000, const std::string& pluginFolder,
                                           const std::string& systemFolder) {
    static const char kName[] = "gdiplus.dll";
    if (!windows2000) return {kName};
    std::vector<std::string> paths;
    for (const std::string* folder : {&pluginFolder, &systemFolder}) {
        if (folder->empty()) continue;
        const char last = folder->back();
        paths.push_back(*folder + (last == '\\' || last == '/' ? "" : "\\") + kName);
    }
    return paths;
}
