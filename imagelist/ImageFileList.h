// Image list files (".iml"): the image list as tagged text in the ANSI code page, or in
// UTF-8 after a byte-order mark when a name has no form in the code page.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "imagelist/ImageItem.h"

class IFileAttributes;

class CImageFileList {
public:
    // Files larger than this are refused rather than read: a real list is a few lines per entry.
    static constexpr size_t kMaxFileBytes = 16u << 20;

    // attributes: tells folders from files on loading; the platform's when null.
    explicit CImageFileList(IFileAttributes* attributes = nullptr);
    virtual ~CImageFileList() = default;

    // The user-visible failure (a key of section "Strings"); nothing is shown when unset.
    void SetFailureReporter(std::function<void(const char* key)> report) { m_report = std::move(report); }

    bool Save(const std::string& path, const std::vector<CImageItem>& images);
    // Empties images first; true also when reading ended early at a damaged entry.
    bool Load(const std::string& path, std::vector<CImageItem>& images);

    // The file's bytes, and reading them; Load/Save without the file.
    std::string Format(const std::vector<CImageItem>& images) const;
    bool Parse(const std::string& file, std::vector<CImageItem>& images);

    std::string m_strVersion = "1.1";

private:
    void Report(const char* key) const;

    IFileAttributes* m_attributes;
    std::function<void(const char*)> m_report;
};
