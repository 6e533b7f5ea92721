#include "imagelist/ImageFileList.h"

#include <climits>

#include "base/File.h"
#include "base/StringUtil.h"
#include "base/Trace.h"
#include "base/Unicode.h"
#include "imagelist/FileSystem.h"
#include "imagelist/ImageExtension.h"
#include "lang/LangKeys.h"

namespace {
const char kImageList[] = "image list";
const char kHeader[] = "header";
const char kVer[] = "ver";
const char kImage[] = "image";
const char kPath[] = "path";
const char kIncSubDir[] = "incsubdir";
const char kByteOrderMark[] = "\xEF\xBB\xBF";

// A name read from a UTF-8 file, with each malformed sequence replaced: names are held well formed.
std::string Utf8Name(const std::string& bytes) {
    std::u16string wide;
    std::string name;
    Utf8ToUtf16(bytes, wide);
    Utf16ToUtf8(wide, name);
    return name;
}

// Files are written in text mode: every line ends in CR LF.
void Open(std::string& out, const char* tag) {
    out.append("<").append(tag).append(">\r\n");
}
void Close(std::string& out, const char* tag) {
    out.append("</").append(tag).append(">\r\n");
}
void Element(std::string& out, const char* tag, const std::string& value) {
    out.append("<").append(tag).append(">").append(value).append("</").append(tag).append(">\r\n");
}

// Leading blanks, an optional sign, digits up to the first other byte; no digits give 0.
int32_t DecimalValue(const std::string& s) {
    size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || (s[i] >= '\t' && s[i] <= '\r'))) ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    int64_t value = 0;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
        value = value * 10 + (s[i] - '0');
        if (value > int64_t(INT32_MAX) + 1) value = int64_t(INT32_MAX) + 1;  // saturate, never overflow
    }
    if (negative) value = -value;
    if (value > INT32_MAX) value = INT32_MAX;
    return static_cast<int32_t>(value);
}

class TagReader {
public:
    explicit TagReader(const std::string& bytes) : m_bytes(bytes) {}

    // The next tag's name, trimmed and lower-cased; false when the bytes end first.
    bool Tag(std::string& name) {
        size_t open = m_bytes.find('<', m_pos);
        if (open == std::string::npos) return End();
        size_t close = m_bytes.find('>', open + 1);
        if (close == std::string::npos) return End();
        name = AsciiLower(TrimBlanks(m_bytes.substr(open + 1, close - open - 1)));
        m_pos = close + 1;
        return true;
    }

    // The bytes up to the next "<", which stays for the next tag; false when none comes.
    bool Value(std::string& value) {
        size_t open = m_bytes.find('<', m_pos);
        if (open == std::string::npos) return End();
        value.assign(m_bytes, m_pos, open - m_pos);
        m_pos = open;
        return true;
    }

private:
    bool End() {
        m_pos = m_bytes.size();
        return false;
    }
    const std::string& m_bytes;
    size_t m_pos = 0;
};
}  // namespace

CImageFileList::CImageFileList(IFileAttributes* attributes)
    : m_attributes(attributes ? attributes : &PlatformFileAttributes()) {}

void CImageFileList::Report(const char* key) const {
    if (m_report) m_report(key);
}

std::string CImageFileList::Format(const std::vector<CImageItem>& images) const {
    // In the code page as older versions read it, unless a name has no form there.
    std::vector<std::string> paths;
    bool utf8 = false;
    for (const CImageItem& item : images) {
        paths.emplace_back();
        if (!NameToAnsi(item.m_strPath, paths.back())) utf8 = true;
    }
    std::string out = utf8 ? kByteOrderMark : "";
    Open(out, kImageList);
    Open(out, kHeader);
    Element(out, kVer, m_strVersion);
    Close(out, kHeader);
    for (size_t i = 0; i < images.size(); ++i) {
        const CImageItem& item = images[i];
        Open(out, kImage);
        Element(out, kPath, utf8 ? item.m_strPath : paths[i]);
        if (item.m_bIncludeSubFolders != 0) Element(out, kIncSubDir, std::to_string(item.m_bIncludeSubFolders));
        Close(out, kImage);
    }
    out.append("</").append(kImageList).append(">");
    return out;
}

bool CImageFileList::Save(const std::string& path, const std::vector<CImageItem>& images) {
    if (!WriteFileReplacing(path, Format(images))) {
        Report(strkey::kSaveListFailed);
        return false;
    }
    return true;
}

bool CImageFileList::Load(const std::string& path, std::vector<CImageItem>& images) {
    images.clear();
    std::string bytes;
    if (ReadFileBytes(path, bytes, kMaxFileBytes) != ReadResult::Ok) {
        VL_TRACE();
        Report(strkey::kLoadListFailed);
        return false;
    }
    if (!Parse(bytes, images)) {
        Report(strkey::kLoadListFailed);
        return false;
    }
    return true;
}

bool CImageFileList::Parse(const std::string& file, std::vector<CImageItem>& images) {
    images.clear();
    const bool utf8 = file.compare(0, 3, kByteOrderMark) == 0;
    const std::string bytes = utf8 ? file.substr(3) : file;
    TagReader in(bytes);
    std::string tag;
    if (!in.Tag(tag) || tag != kImageList) return false;

    const std::string endList = std::string("/") + kImageList;
    const std::string endHeader = std::string("/") + kHeader;
    const std::string endImage = std::string("/") + kImage;
    while (in.Tag(tag) && tag != endList) {
        if (tag == kHeader) {
            m_strVersion.clear();
            bool ok = true;
            while (ok && in.Tag(tag) && tag != endHeader) {
                if (tag == kVer) ok = in.Value(m_strVersion);
            }
            if (!ok) break;
        } else if (tag == kImage) {
            // A missing flag means 0: the writer leaves it out exactly when it is 0.
            std::string stored;
            int32_t includeSubFolders = 0;
            bool ok = true;
            while (ok && in.Tag(tag) && tag != endImage) {
                std::string value;
                if (tag == kPath) {
                    ok = in.Value(stored);
                } else if (tag == kIncSubDir && in.Value(value)) {
                    includeSubFolders = DecimalValue(value);
                }
            }
            if (!ok || stored.empty()) break;
            const std::string path = utf8 ? Utf8Name(stored) : AnsiToName(stored);
            CImageItem item;
            item.m_strPath = path;
            item.m_bIncludeSubFolders = includeSubFolders;
            switch (m_attributes->Kind(path)) {
                case PathKind::Directory:
                    item.m_bIsFolder = 1;
                    break;
                case PathKind::File:
                    item.m_bIsFolder = 0;
                    break;
                case PathKind::Missing: {
                    // Not there now (an unplugged drive): a picture name stays a picture.
                    const char last = path.back();
                    item.m_bIsFolder = (last == '\\' || last == '/' || !IsImageFile(path)) ? 1 : 0;
                    break;
                }
            }
            images.push_back(std::move(item));
        }
    }
    return true;
}
