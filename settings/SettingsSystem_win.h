// The Win32 side of the settings: the settings folder and the Run key.
#pragma once
#include "settings/OptionData.h"
#include "settings/SettingsFile.h"

class CWinSettingsLocation : public ISettingsLocation {
public:
    bool AppDataFolder(std::string& folder) override;
    bool IsDirectory(const std::string& path) override;
    bool MakeDirectory(const std::string& path) override;
    std::string ExecutablePath() override;
};

// GetSettingsPath for this user and this executable.
std::string UserSettingsPath();

class CWinAutoStartStore : public IAutoStartStore {
public:
    bool CanOpen(Hive hive) override;
    bool HasValue(Hive hive, const std::string& name) override;
    bool SetValue(Hive hive, const std::string& name, const std::string& text) override;
    bool DeleteValue(Hive hive, const std::string& name) override;
    std::string InstallFolder() override;
};

// The option data's start-with-Windows value for this executable.
bool ApplyAutoStart(const COptionData& data);
