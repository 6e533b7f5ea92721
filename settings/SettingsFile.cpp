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

namespace {
class CSystemSettingsFiles : public ISettingsFiles {
public:
    ReadResult Read(const std::string& path, std::string& bytes) override {
        return ReadFileBytes(path, bytes, kMaxSettingsFileSize);
    }
    bool Write(const std::string& path, const std::string& bytes) override { return WriteFileReplacing(path, bytes); }
    bool MoveKeeping(const std::string& from, const std::string& to) override { return MoveFileKeeping(from, to); }
};
}  // namespace

ISettingsFiles& SystemSettingsFiles() {
    static CSystemSettingsFiles files;
    return files;
}

SettingsLoad LoadSettingsFileWaiting(const std::string& path, COptionData& data, uint32_t* version, uint32_t waitMs,
                                     ISettingsFiles& files) {
    const uint32_t kStepMs = 100;
    std::string bytes;
    ReadResult read = files.Read(path, bytes);
    for (uint32_t waited = 0; read == ReadResult::CannotOpen && waited < waitMs; waited += kStepMs) {
        SleepMs(kStepMs);
        read = files.Read(path, bytes);
    }
    if (read == ReadResult::Missing) return SettingsLoad::Missing;
    if (read != ReadResult::Ok) {
        VL_TRACE();
        return read == ReadResult::CannotOpen ? SettingsLoad::Busy : SettingsLoad::Damaged;
    }
    return LoadSettingsBytes(bytes, data, version) ? SettingsLoad::Loaded : SettingsLoad::Damaged;
}

bool SetAsideSettingsFile(const std::string& path, ISettingsFiles& files) {
    for (int copy = 1; copy <= kMaxSetAsideCopies; ++copy) {
        const std::string aside = path + ".bad" + (copy > 1 ? std::to_string(copy) : std::string());
        if (files.MoveKeeping(path, aside)) return true;
        std::string bytes;
        // Held by another program: the next name would not do any better.
        if (files.Read(aside, bytes) == ReadResult::Missing) break;
    }
    // Nothing to keep when the file has gone meanwhile.
    std::string bytes;
    if (files.Read(path, bytes) == ReadResult::Missing) return true;
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
