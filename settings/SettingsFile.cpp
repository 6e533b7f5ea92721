#include "settings/SettingsFile.h"

#include "base/File.h"
#include "base/Sync.h"
#include "base/Trace.h"
#include "settings/Archive.h"

namespace {
const uint32_t kMagic = 0x46504C56;  // "VLPF" read as a little-endian word
}

bool LoadSettingsBytes(const std::string& bytes, COptionData& data, uint32_t* version) {
    CArchive ar(bytes);
    try {
        if (ar.ReadUInt32() != kMagic) {
            VL_TRACE();
            return false;
        }
        const uint32_t fileVersion = ar.ReadUInt32();
        if (version) *version = fileVersion;
        if (fileVersion != kVelumVersion) VelumTraceText("Different Version");
        data.Serialize(ar);
    } catch (const CArchiveException&) {
        VL_TRACE();
        return false;
    }
    return true;
}

std::string SaveSettingsBytes(const COptionData& data) {
    CArchive ar;
    ar.WriteUInt32(kMagic);
    ar.WriteUInt32(kVelumVersion);
    const_cast<COptionData&>(data).Serialize(ar);  // storing leaves the object as it is
    return ar.Bytes();
}

bool LoadSettingsFile(const std::string& path, COptionData& data, uint32_t* version) {
    std::string bytes;
    if (ReadFileBytes(path, bytes, kMaxSettingsFileSize) != ReadResult::Ok) {
        VL_TRACE();
        return false;
    }
    return LoadSettingsBytes(bytes, data, version);
}

SettingsLoad LoadSettingsFileWaiting(const std::string& path, COptionData& data, uint32_t* version, uint32_t waitMs) {
    const uint32_t kStepMs = 100;
    std::string bytes;
    ReadResult read = ReadFileBytes(path, bytes, kMaxSettingsFileSize);
    for (uint32_t waited = 0; read == ReadResult::CannotOpen && waited < waitMs; waited += kStepMs) {
        SleepMs(kStepMs);
        read = ReadFileBytes(path, bytes, kMaxSettingsFileSize);
    }
    if (read == ReadResult::Missing) return SettingsLoad::Missing;
    if (read != ReadResult::Ok) {
        VL_TRACE();
        return read == ReadResult::CannotOpen ? SettingsLoad::Busy : SettingsLoad::Damaged;
    }
    return LoadSettingsBytes(bytes, data, version) ? SettingsLoad::Loaded : SettingsLoad::Damaged;
}

bool SetAsideSettingsFile(const std::string& path) {
    if (MoveFileReplacing(path, path + ".bad")) return true;
    // Nothing to keep when the file has gone meanwhile.
    std::string bytes;
    if (ReadFileBytes(path, bytes, 0) == ReadResult::Missing) return true;
    VL_TRACE();
    return false;
}

bool SaveSettingsFile(const std::string& path, const COptionData& data) {
    if (!WriteFileReplacing(path, SaveSettingsBytes(data))) {
        VL_TRACE();
        return false;
    }
    return true;
}

std::string GetSettingsPath(ISettingsLocation& location) {
    std::string folder;
    if (location.AppDataFolder(folder) && !folder.empty()) {
        if (folder.back() != '\\') folder += '\\';
        folder += kProductName;
        if (location.IsDirectory(folder) || location.MakeDirectory(folder) || location.IsDirectory(folder))
            return folder + "\\vm.dat";
    }
    std::string exe = location.ExecutablePath();
    if (exe.size() >= 3) exe.replace(exe.size() - 3, 3, "dat");
    return exe;
}
