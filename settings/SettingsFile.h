// The settings file "vm.dat": "VLPF", the version word, then the option data.
#pragma once
#include <cstdint>
#include <string>

#include "base/File.h"
#include "settings/OptionData.h"

// Settings files are small; anything past this is not one of ours.
constexpr size_t kMaxSettingsFileSize = 256u << 20;

// Parses settings bytes into data. Fields read before a failure keep their new values.
// version receives the file's format word when the magic matched.
bool LoadSettingsBytes(const std::string& bytes, COptionData& data, uint32_t* version = nullptr);
std::string SaveSettingsBytes(const COptionData& data);

// False when the file cannot be read, has the wrong magic or ends early.
bool LoadSettingsFile(const std::string& path, COptionData& data, uint32_t* version = nullptr);
// Replaces the file only once the new one is complete; on failure the old file stays.
bool SaveSettingsFile(const std::string& path, const COptionData& data);

// What reading and keeping the settings file needs from the file system.
class ISettingsFiles {
public:
    virtual ~ISettingsFiles() = default;
    virtual ReadResult Read(const std::string& path, std::string& bytes) = 0;
    // Replaces the file only once the new one is complete.
    virtual bool Write(const std::string& path, const std::string& bytes) = 0;
    // False when something is at to already.
    virtual bool MoveKeeping(const std::string& from, const std::string& to) = 0;
};
ISettingsFiles& SystemSettingsFiles();

// Busy: there, but held open by another program (a backup, a virus scanner) for longer than
// the wait; Damaged: read, but not a settings file, or one that ends early.
enum class SettingsLoad { Loaded, Missing, Busy, Damaged };
// As LoadSettingsFile, but telling a missing file, a busy one and a damaged one apart. A file
// that cannot be opened is tried again for up to waitMs.
SettingsLoad LoadSettingsFileWaiting(const std::string& path, COptionData& data, uint32_t* version, uint32_t waitMs,
                                     ISettingsFiles& files = SystemSettingsFiles());
// Before the first save over a settings file that did not load: its bytes go to the first
// free name of "<path>.bad", "<path>.bad2" ... "<path>.bad5"; a kept copy is never replaced.
// False when they could not be moved, or every name is taken.
bool SetAsideSettingsFile(const std::string& path, ISettingsFiles& files = SystemSettingsFiles());
constexpr int kMaxSetAsideCopies = 5;

// What finding the settings folder needs from the system.
class ISettingsLocation {
public:
    virtual ~ISettingsLocation() = default;
    // The user's application-data folder; false when the shell has none.
    virtual bool AppDataFolder(std::string& folder) = 0;
    virtual bool IsDirectory(const std::string& path) = 0;
    virtual bool MakeDirectory(const std::string& path) = 0;
    virtual std::string ExecutablePath() = 0;
};

// "<AppData>\Velum\vm.dat", or the executable's path with the extension "dat".
std::string GetSettingsPath(ISettingsLocation& location);
