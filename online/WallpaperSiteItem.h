// One wallpaper web site of the "Download Wallpaper From" menu, and the parser of
// the downloaded site list text.
#pragma once
#include <string>

class CArchive;

class CSiteItem {
public:
    CSiteItem() = default;
    CSiteItem(const std::string& name, const std::string& url, const std::string& description)
        : m_strName(name), m_strUrl(url), m_strDescription(description) {}
    virtual ~CSiteItem() = default;
    CSiteItem(const CSiteItem&) = default;
    CSiteItem& operator=(const CSiteItem&) = default;

    void Set(const std::string& name, const std::string& url, const std::string& description);
    // name, url, description as three archive strings
    void Serialize(CArchive& ar);
    static constexpr size_t kMinStoredSize = 3;

    bool operator==(const CSiteItem& o) const {
        return m_strName == o.m_strName && m_strUrl == o.m_strUrl && m_strDescription == o.m_strDescription;
    }

    std::string m_strName;
    std::string m_strUrl;
    std::string m_strDescription;
};

// An address the shell may open for a site: "http://", "https://" or "ftp://" and a host,
// at most 2,048 characters, no blanks, quotes or control characters. Anything else could
// name a program ("http.bat") that the shell would run.
bool IsSafeSiteAddress(const std::string& url);

// Trims name and url and lower-cases url (in the record), then tells whether the
// record names a site: a name and a safe address.
bool IsValidSite(CSiteItem& site);

// Reads the next <wallpaper_site> record from text at position (a character index) into
// site, leaving fields the text does not give as they were; moves position past what it
// read. True when a record was read and is valid.
bool ParseSite(CSiteItem& site, const std::string& text, long long& position);
