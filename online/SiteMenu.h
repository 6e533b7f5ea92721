// The entries of a "Download Wallpaper From" submenu and the site each command opens.
#pragma once
#include <string>
#include <vector>

#include "settings/OptionData.h"

constexpr unsigned kFirstSiteCommand = 37100;
constexpr unsigned kLastSiteCommand = 37125;

struct SiteMenuEntry {
    unsigned id;
    std::string text;
};

// One entry per site in list order, id 37100 + index; an empty list first gets the two
// built-in sites. No entry ever goes past 37125, whatever the list holds.
std::vector<SiteMenuEntry> SiteMenuEntries(COptionData& data);

// The address that site command id opens; false when the id names no site of the list
// or its address is not one the shell may open.
bool SiteUrlForCommand(const COptionData& data, unsigned id, std::string& url);
