#include "online/WallpaperSiteItem.h"

#include "base/StringUtil.h"
#include "settings/Archive.h"

void CSiteItem::Set(const std::string& name, const std::string& url, const std::string& description) {
    m_strName = name;
    m_strUrl = url;
    m_strDescription = description;
}

void CSiteItem::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar.WriteString(m_strName);
        ar.WriteString(m_strUrl);
        ar.WriteString(m_strDescription);
    } else {
        m_strName = ar.ReadString();
        m_strUrl = ar.ReadString();
        m_strDescription = ar.ReadString();
    }
}

bool IsSafeSiteAddress(const std::string& url) {
    if (url.size() > 2048) return false;
    size_t rest = 0;
    for (const char* scheme : {"http://", "https://", "ftp://"}) {
        const std::string s(scheme);
        if (url.size() > s.size() && AsciiLower(url.substr(0, s.size())) == s) rest = s.size();
    }
    if (rest == 0 || url[rest] == '/') return false;
    for (char c : url) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (u <= 0x20 || u == 0x7F || c == '"' || c == '\'' || c == '`') return false;
    }
    return true;
}

bool IsValidSite(CSiteItem& site) {
    site.m_strName = TrimBlanks(site.m_strName);
    site.m_strUrl = AsciiLower(TrimBlanks(site.m_strUrl));
    return !site.m_strName.empty() && IsSafeSiteAddress(site.m_strUrl);
}

namespace {
bool ReadSiteTag(const std::string& text, size_t& pos, std::string& tag) {
    size_t open = text.find('<', pos);
    if (open == std::string::npos) {
        pos = text.size();
        return false;
    }
    size_t close = text.find('>', open + 1);
    if (close == std::string::npos) {
        pos = text.size();
        return false;
    }
    tag = text.substr(open + 1, close - open - 1);
    pos = close + 1;
    return true;
}

bool ReadSiteValue(const std::string& text, size_t& pos, std::string& value) {
    size_t open = text.find('<', pos);
    if (open == std::string::npos) {
        pos = text.size();
        return false;
    }
    value = text.substr(pos, open - pos);
    pos = open;
    return true;
}

std::string NormalTag(const std::string& tag) {
    return AsciiLower(TrimBlanks(tag));
}
}  // namespace

bool ParseSite(CSiteItem& site, const std::string& text, long long& position) {
    if (position < 0) return false;
    size_t pos = static_cast<size_t>(position) > text.size() ? text.size() : static_cast<size_t>(position);
    struct Commit {
        size_t& p;
        long long& out;
        ~Commit() { out = static_cast<long long>(p); }
    } commit{pos, position};

    std::string tag;
    for (;;) {
        if (pos >= text.size() || !ReadSiteTag(text, pos, tag)) return false;
        if (NormalTag(tag) == "wallpaper_site") break;
    }
    while (pos < text.size()) {
        if (!ReadSiteTag(text, pos, tag)) return false;
        tag = NormalTag(tag);
        if (tag == "/wallpaper_site") break;
        if (tag.empty()) return false;
        if (tag[0] == '/') continue;
        std::string value;
        if (!ReadSiteValue(text, pos, value)) return false;
        if (tag == "name") {
            site.m_strName = value;
        } else if (tag == "url") {
            site.m_strUrl = value;
        } else if (tag == "description") {
            site.m_strDescription = value;
        } else if (tag == "wallpaper_site") {
            return false;
        }
    }
    return IsValidSite(site);
}
