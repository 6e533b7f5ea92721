// The settings of a run: the option data, the file they come from and go back to, and
// whether the user has changed them since they were last saved.
#pragma once
#include <cstdint>
#include <string>

#include "settings/OptionData.h"
#include "settings/SettingsFile.h"

// NotSetAside: a file that did not load could not be moved aside, so nothing was written
// over it; NotWritten: the new file could not be written (or the file there has not been
// read yet), the old one stays whole.
enum class SettingsSave { Saved, NotSetAside, NotWritten };

class CSettingsStore {
public:
    // A file that another program holds open is waited for up to busyWaitMs at each load.
    explicit CSettingsStore(std::string path, uint32_t busyWaitMs = 2000,
                            ISettingsFiles& files = SystemSettingsFiles());

    COptionData& Options() { return m_options; }
    const std::string& Path() const { return m_path; }

    // The file into the options. Unless it loaded, the options keep the fields read before
    // the failure. A damaged file is set aside by the next save; a busy one is pending: it
    // is never saved over until TakePendingFile has read it.
    SettingsLoad Load();
    // Start-up is over: what the options hold now is no change of the user's.
    void StartupDone();
    bool IsPending() const { return m_bPending; }
    // The pending file once it can be read, with the changes made to the options since
    // start-up applied over it; changed tells whether there were any, to be saved. Busy
    // while it is still held (nothing changes); Missing or Damaged end the wait as at a load.
    SettingsLoad TakePendingFile(bool& changed);
    // Cancel: the saved values come back, except whether the slideshow runs and the language
    // on screen, and the edits count as undone. Unless the file loaded, the options stay as
    // they are: a file held for a moment must not cost the user the configuration. Nothing
    // is marked or set aside by it.
    SettingsLoad Revert();
    // On success the edits count as saved.
    SettingsSave Save();
    // A save that leaves the modified flag as it was: edits pending in a window stay pending.
    SettingsSave SaveKeepingEdits();

    bool IsModified() const { return m_bModified; }
    void SetModified(bool modified) { m_bModified = modified; }

private:
    SettingsLoad LoadMarking(COptionData& options, uint32_t waitMs);

    std::string m_path;
    uint32_t m_busyWaitMs;
    ISettingsFiles& m_files;
    COptionData m_options;
    COptionData m_startOptions;  // while pending: the options as start-up left them
    bool m_bModified = false;
    bool m_bNotLoaded = false;  // the file there is set aside before the next save
    bool m_bPending = false;
};
