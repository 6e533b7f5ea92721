// The settings of a run: the option data, the file they come from and go back to, and
// whether the user has changed them since they were last saved.
#pragma once
#include <cstdint>
#include <string>

#include "settings/OptionData.h"
#include "settings/SettingsFile.h"

// NotSetAside: a file that did not load could not be moved to "<path>.bad", so nothing was
// written over it; NotWritten: the new file could not be written, the old one stays whole.
enum class SettingsSave { Saved, NotSetAside, NotWritten };

class CSettingsStore {
public:
    // A file that another program holds open is waited for up to busyWaitMs at each load.
    explicit CSettingsStore(std::string path, uint32_t busyWaitMs = 2000);

    COptionData& Options() { return m_options; }
    const std::string& Path() const { return m_path; }

    // The file into the options. Unless it loaded, the options keep the fields read before
    // the failure, and the next save first sets the file there aside.
    SettingsLoad Load();
    // Cancel: the saved values come back, except whether the slideshow runs and the language
    // on screen, and the edits count as undone. Unless the file loaded, the options stay as
    // they are: a file held for a moment must not cost the user the configuration.
    SettingsLoad Revert();
    // On success the edits count as saved.
    SettingsSave Save();
    // A save that leaves the modified flag as it was: edits pending in a window stay pending.
    SettingsSave SaveKeepingEdits();

    bool IsModified() const { return m_bModified; }
    void SetModified(bool modified) { m_bModified = modified; }

private:
    SettingsLoad LoadInto(COptionData& options);

    std::string m_path;
    uint32_t m_busyWaitMs;
    COptionData m_options;
    bool m_bModified = false;
    bool m_bNotLoaded = false;  // the file there is set aside before the next save
};
