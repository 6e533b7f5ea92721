// The display list: the ordered picture paths the slideshow walks. The UI thread reads
// it at every tick while the worker may rebuild it, so it is only ever replaced whole,
// under its lock.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "base/Sync.h"

class CDisplayList {
public:
    // A folder scan adds pictures only while the list holds fewer than this.
    static constexpr size_t kMaxScannedPictures = 51840;

    size_t Count() const;
    bool IsEmpty() const { return Count() == 0; }
    // False when index is out of range (the list may have been replaced meanwhile).
    bool At(size_t index, std::string& path) const;
    void Assign(std::vector<std::string> paths);
    void Clear();
    std::vector<std::string> Snapshot() const;

private:
    mutable Mutex m_lock;
    std::vector<std::string> m_paths;
};
