#include "ui/core/FileChoice.h"

std::string DialogFilter(const std::string& filter, LeadByteTest lead) {
    std::string out = filter;
    for (size_t i = 0; i < out.size();) {
        if (lead && i + 1 < out.size() && lead(static_cast<unsigned char>(out[i]))) {
            i += 2;
            continue;
        }
        if (out[i] == '|') out[i] = '\0';
        ++i;
    }
    return out;
}

std::vector<std::string> ChosenPaths(const std::string& buffer) {
    std::vector<std::string> parts;
    for (size_t i = 0; i < buffer.size();) {
        const size_t end = buffer.find('\0', i);
        const size_t stop = end == std::string::npos ? buffer.size() : end;
        if (stop == i) break;  // the second zero
        parts.push_back(buffer.substr(i, stop - i));
        i = stop + 1;
    }
    if (parts.size() <= 1) return parts;
    const std::string folder = parts.front();
    const std::string joint = EndsInBackslash(folder) ? "" : "\\";
    std::vector<std::string> paths;
    for (size_t k = 1; k < parts.size(); ++k) {
        // A name typed as a full path comes back as typed.
        const std::string& name = parts[k];
        const bool absolute = name[0] == '\\' || (name.size() > 1 && name[1] == ':');
        paths.push_back(absolute ? name : folder + joint + name);
    }
    return paths;
}
