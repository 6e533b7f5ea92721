#include "imagelist/DisplayList.h"

size_t CDisplayList::Count() const {
    LockGuard lock(m_lock);
    return m_paths.size();
}

bool CDisplayList::At(size_t index, std::string& path) const {
    LockGuard lock(m_lock);
    if (index >= m_paths.size()) return false;
    path = m_paths[index];
    return true;
}

void CDisplayList::Assign(std::vector<std::string> paths) {
    LockGuard lock(m_lock);
    m_paths.swap(paths);
}

void CDisplayList::Clear() {
    Assign({});
}

std::vector<std::string> CDisplayList::Snapshot() const {
    LockGuard lock(m_lock);
    return m_paths;
}
