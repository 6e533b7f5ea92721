// The update check and the site-list download as they run on their own thread: what
// they fetch, what they accept, and what they hand back.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "online/TextFetch.h"

constexpr size_t kVersionFileMax = 256;
constexpr size_t kNewsFileMax = 16 * 1024;
constexpr size_t kSiteListFileMax = kMaxBodyBytes;
constexpr size_t kNewsTextMax = 2048;
constexpr int kNewsLinesMax = 40;

// version.txt: an optional UTF-8 byte-order mark, blanks and "0x", then one to eight hex
// digits, then the end or anything that is not a hex digit. False: no answer.
bool ParseVersionText(const std::string& text, uint32_t& version);

// whatsnew.txt as the message box shows it: plain text without control characters other
// than tabs and line breaks, at most kNewsTextMax bytes and kNewsLinesMax lines ("..."
// marks a cut). Empty when nothing is left to show.
std::string NewsBoxText(const std::string& news);

bool IsValidUtf8(const std::string& text);

struct UpdateCheckOutcome {
    enum Kind { Nothing, Offline, NewVersion };
    Kind kind = Nothing;
    std::string news;  // NewsBoxText of whatsnew.txt, for NewVersion
};

UpdateCheckOutcome RunUpdateCheck(ITextFetcher& fetcher, uint32_t ownVersion);

struct SiteListOutcome {
    bool offline = false;
    std::string text;  // empty when nothing usable came
};

SiteListOutcome RunSiteListDownload(ITextFetcher& fetcher);
