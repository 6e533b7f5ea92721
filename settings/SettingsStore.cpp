#include "settings/SettingsStore.h"

#include <utility>

#include "base/Trace.h"

namespace {
template <typename T>
bool Take(const T& before, const T& after, T& into) {
    if (before == after) return false;
    into = after;
    return true;
}

// Every field the user changed from before to after goes into into. The position in the
// list is the file's: it belongs to the file's list of pictures.
bool TakeChanges(const COptionData& before, const COptionData& after, COptionData& into) {
    bool changed = false;
    changed |= Take(before.m_nInterval, after.m_nInterval, into.m_nInterval);
    changed |= Take(before.m_nSequence, after.m_nSequence, into.m_nSequence);
    changed |= Take(before.m_nSizeMode, after.m_nSizeMode, into.m_nSizeMode);
    changed |= Take(before.m_nOpacity, after.m_nOpacity, into.m_nOpacity);
    changed |= Take(before.m_nListViewMode, after.m_nListViewMode, into.m_nListViewMode);
    changed |= Take(before.m_nThumbWidth, after.m_nThumbWidth, into.m_nThumbWidth);
    changed |= Take(before.m_nThumbHeight, after.m_nThumbHeight, into.m_nThumbHeight);
    changed |= Take(before.m_strLanguageFile, after.m_strLanguageFile, into.m_strLanguageFile);
    changed |= Take(before.m_images, after.m_images, into.m_images);
    changed |= Take(before.m_nSiteListDay, after.m_nSiteListDay, into.m_nSiteListDay);
    changed |= Take(before.m_sites, after.m_sites, into.m_sites);
    changed |= Take(before.m_bCheckUpdate, after.m_bCheckUpdate, into.m_bCheckUpdate);
    changed |= Take(before.m_bRefreshSites, after.m_bRefreshSites, into.m_bRefreshSites);
    changed |= Take(before.m_bPauseOnScreenSaver, after.m_bPauseOnScreenSaver, into.m_bPauseOnScreenSaver);
    changed |= Take(before.m_bAutoStart, after.m_bAutoStart, into.m_bAutoStart);
    changed |= Take(before.m_region, after.m_region, into.m_region);
    for (int i = 0; i < COptionData::kHotKeySlots; ++i)
        changed |= Take(before.m_hotkeys[i], after.m_hotkeys[i], into.m_hotkeys[i]);
    into.m_bEnabled = after.m_bEnabled;
    return changed;
}
}  // namespace

CSettingsStore::CSettingsStore(std::string path, uint32_t busyWaitMs, ISettingsFiles& files)
    : m_path(std::move(path)), m_busyWaitMs(busyWaitMs), m_files(files) {}

SettingsLoad CSettingsStore::LoadMarking(COptionData& options, uint32_t waitMs) {
    const SettingsLoad result = LoadSettingsFileWaiting(m_path, options, nullptr, waitMs, m_files);
    // Defaults may follow, and the next save must not destroy the user's file with them.
    m_bNotLoaded = result == SettingsLoad::Damaged;
    m_bPending = result == SettingsLoad::Busy;
    if (result != SettingsLoad::Loaded) VL_TRACE();
    return result;
}

SettingsLoad CSettingsStore::Load() {
    return LoadMarking(m_options, m_busyWaitMs);
}

void CSettingsStore::StartupDone() {
    m_bModified = false;
    if (m_bPending) m_startOptions = m_options;
}

SettingsLoad CSettingsStore::TakePendingFile(bool& changed) {
    changed = false;
    if (!m_bPending) return SettingsLoad::Loaded;
    COptionData stored;
    const SettingsLoad result = LoadMarking(stored, 0);
    if (result != SettingsLoad::Loaded) return result;
    changed = TakeChanges(m_startOptions, m_options, stored);
    m_options = std::move(stored);
    return result;
}

SettingsLoad CSettingsStore::Revert() {
    // A pending file is taken with the confirmed changes applied over it, never without.
    if (m_bPending) {
        m_bModified = false;
        return SettingsLoad::Busy;
    }
    COptionData stored;
    const SettingsLoad result = LoadSettingsFileWaiting(m_path, stored, nullptr, m_busyWaitMs, m_files);
    if (result == SettingsLoad::Loaded) {
        stored.m_bEnabled = m_options.m_bEnabled;
        // The saved path names the language on screen.
        stored.m_strLanguageFile = m_options.m_strLanguageFile;
        m_options = std::move(stored);
    } else {
        VL_TRACE();
    }
    m_bModified = false;
    return result;
}

SettingsSave CSettingsStore::Save() {
    if (m_bPending) {
        VL_TRACE();
        return SettingsSave::NotWritten;
    }
    if (m_bNotLoaded) {
        if (!SetAsideSettingsFile(m_path, m_files)) {
            VL_TRACE();
            return SettingsSave::NotSetAside;
        }
        m_bNotLoaded = false;
    }
    if (!m_files.Write(m_path, SaveSettingsBytes(m_options))) {
        VL_TRACE();
        return SettingsSave::NotWritten;
    }
    m_bModified = false;
    return SettingsSave::Saved;
}

SettingsSave CSettingsStore::SaveKeepingEdits() {
    const bool modified = m_bModified;
    const SettingsSave result = Save();
    m_bModified = modified;
    return result;
}
