#include "online/SiteMenu.h"

namespace {
// A site name comes from a download: an '&' in it would otherwise vanish and underline
// the next letter.
std::string MenuSafe(const std::string& name) {
    std::string out;
    for (char c : name) {
        out += c;
        if (c == '&') out += '&';
    }
    return out;
}
}  // namespace

std::vector<SiteMenuEntry> SiteMenuEntries(COptionData& data) {
    if (data.m_sites.empty()) data.SetDefaultSites();
    std::vector<SiteMenuEntry> entries;
    const size_t most = kLastSiteCommand - kFirstSiteCommand + 1;
    for (size_t i = 0; i < data.m_sites.size() && i < most; ++i) {
        entries.push_back({kFirstSiteCommand + static_cast<unsigned>(i), MenuSafe(data.m_sites[i].m_strName)});
    }
    return entries;
}

bool SiteUrlForCommand(const COptionData& data, unsigned id, std::string& url) {
    if (id < kFirstSiteCommand || id > kLastSiteCommand) return false;
    size_t index = id - kFirstSiteCommand;
    if (index >= data.m_sites.size()) return false;
    // The settings file may have been edited by hand since the list was downloaded.
    if (!IsSafeSiteAddress(data.m_sites[index].m_strUrl)) return false;
    url = data.m_sites[index].m_strUrl;
    return true;
}
