#include "settings/SettingsStore.h"

#include <utility>

#include "base/Trace.h"

CSettingsStore::CSettingsStore(std::string path, uint32_t busyWaitMs)
    : m_path(std::move(path)), m_busyWaitMs(busyWaitMs) {}

SettingsLoad CSettingsStore::LoadInto(COptionData& options) {
    const SettingsLoad result = LoadSettingsFileWaiting(m_path, options, nullptr, m_busyWaitMs);
    // Defaults may follow, and the next save must not destroy the user's file with them.
    m_bNotLoaded = result == SettingsLoad::Busy || result == SettingsLoad::Damaged;
    if (result != SettingsLoad::Loaded) VL_TRACE();
    return result;
}

SettingsLoad CSettingsStore::Load() {
    return LoadInto(m_options);
}

SettingsLoad CSettingsStore::Revert() {
    COptionData stored;
    const SettingsLoad result = LoadInto(stored);
    if (result == SettingsLoad::Loaded) {
        stored.m_bEnabled = m_options.m_bEnabled;
        // The saved path names the language on screen.
        stored.m_strLanguageFile = m_options.m_strLanguageFile;
        m_options = std::move(stored);
    }
    m_bModified = false;
    return result;
}

SettingsSave CSettingsStore::Save() {
    if (m_bNotLoaded) {
        if (!SetAsideSettingsFile(m_path)) {
            VL_TRACE();
            return SettingsSave::NotSetAside;
        }
        m_bNotLoaded = false;
    }
    if (!SaveSettingsFile(m_path, m_options)) {
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
