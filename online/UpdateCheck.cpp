#include "online/UpdateCheck.h"

#include "online/Addresses.h"

namespace {

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool HasBom(const std::string& text) {
    return text.compare(0, 3, "\xEF\xBB\xBF") == 0;
}

// Length of the UTF-8 sequence that starts with byte c, 0 when c cannot start one.
size_t Utf8Length(unsigned char c) {
    if (c < 0x80) return 1;
    if (c >= 0xC2 && c <= 0xDF) return 2;
    if (c >= 0xE0 && c <= 0xEF) return 3;
    if (c >= 0xF0 && c <= 0xF4) return 4;
    return 0;
}

}  // namespace

bool ParseVersionText(const std::string& text, uint32_t& version) {
    size_t i = HasBom(text) ? 3 : 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\r' || text[i] == '\n')) ++i;
    if (text.compare(i, 2, "0x") == 0 || text.compare(i, 2, "0X") == 0) i += 2;
    uint32_t value = 0;
    size_t digits = 0;
    for (; i < text.size() && HexValue(text[i]) >= 0; ++i) {
        if (++digits > 8) return false;
        value = (value << 4) | static_cast<uint32_t>(HexValue(text[i]));
    }
    if (digits == 0) return false;
    version = value;
    return true;
}

bool IsValidUtf8(const std::string& text) {
    for (size_t i = 0; i < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        const size_t n = Utf8Length(c);
        if (n == 0 || i + n > text.size()) return false;
        for (size_t k = 1; k < n; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
        }
        // Overlong three- and four-byte forms, UTF-16 surrogates, and beyond U+10FFFF.
        const unsigned char d = n > 1 ? static_cast<unsigned char>(text[i + 1]) : 0;
        if ((c == 0xE0 && d < 0xA0) || (c == 0xED && d >= 0xA0) || (c == 0xF0 && d < 0x90) || (c == 0xF4 && d >= 0x90))
            return false;
        i += n;
    }
    return true;
}

std::string NewsBoxText(const std::string& news) {
    const std::string source = HasBom(news) ? news.substr(3) : news;
    std::string text;
    int lines = 1;
    bool cut = false;
    for (size_t i = 0; i < source.size(); ++i) {
        const char c = source[i];
        const unsigned char u = static_cast<unsigned char>(c);
        if (u < 0x20 && c != '\t' && c != '\r' && c != '\n') continue;
        if (u == 0x7F) continue;
        if (c == '\n' && ++lines > kNewsLinesMax) {
            cut = true;
            break;
        }
        if (text.size() >= kNewsTextMax) {
            cut = true;
            break;
        }
        text += c;
    }
    if (cut && IsValidUtf8(source)) {
        // Not in the middle of a character.
        size_t start = text.size();
        while (start > 0 && (static_cast<unsigned char>(text[start - 1]) & 0xC0) == 0x80) --start;
        if (start > 0 && text.size() - (start - 1) < Utf8Length(static_cast<unsigned char>(text[start - 1])))
            text.resize(start - 1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r' || text.back() == '\n'))
        text.pop_back();
    if (cut && !text.empty()) text += "...";
    return text;
}

UpdateCheckOutcome RunUpdateCheck(ITextFetcher& fetcher, uint32_t ownVersion) {
    UpdateCheckOutcome outcome;
    FetchResult version = fetcher.Fetch(kVersionFileAddress, kVersionFileMax);
    if (!version.Ok()) {
        if (IsOfflineFailure(version.failure)) outcome.kind = UpdateCheckOutcome::Offline;
        return outcome;
    }
    uint32_t served = 0;
    if (!ParseVersionText(version.text, served) || served <= ownVersion) return outcome;
    FetchResult news = fetcher.Fetch(kNewsFileAddress, kNewsFileMax);
    if (!news.Ok()) {
        // The line dropped between the two files: ask again later.
        if (IsOfflineFailure(news.failure)) outcome.kind = UpdateCheckOutcome::Offline;
        return outcome;
    }
    outcome.news = NewsBoxText(news.text);
    if (!outcome.news.empty()) outcome.kind = UpdateCheckOutcome::NewVersion;
    return outcome;
}

SiteListOutcome RunSiteListDownload(ITextFetcher& fetcher) {
    SiteListOutcome outcome;
    FetchResult list = fetcher.Fetch(kSiteListFileAddress, kSiteListFileMax);
    if (list.Ok()) {
        outcome.text = list.text;
    } else {
        outcome.offline = IsOfflineFailure(list.failure);
    }
    return outcome;
}
