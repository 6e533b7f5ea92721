#include "settings/OptionData.h"

#include "base/ProgramPath.h"
#include "settings/Archive.h"

void CDisplayRegion::Serialize(CArchive& ar) {
    int32_t* fields[] = {&m_nWidth, &m_nHeight, &m_nLeft, &m_nTop, &m_nFitMode, &m_nPositionMode};
    for (int32_t* f : fields) {
        if (ar.IsStoring()) {
            ar.WriteInt32(*f);
        } else {
            *f = ar.ReadInt32();
        }
    }
}

void CHotKeyItem::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar.WriteUInt16(m_wVirtualKey);
        ar.WriteUInt16(m_wModifiers);
    } else {
        m_wVirtualKey = ar.ReadUInt16();
        m_wModifiers = ar.ReadUInt16();
    }
}

std::string COptionData::DefaultLanguageFile() {
    return ProgramFolder() + "\\language\\vmeng.lng";
}

COptionData::COptionData() : m_strLanguageFile(DefaultLanguageFile()) {
    SetDefaultHotKeys();
}

void COptionData::SetDefaultHotKeys() {
    m_hotkeys[HK_ENABLE] = CHotKeyItem(36, 14);            // Ctrl + Alt + Home
    m_hotkeys[HK_INCREASE_OPACITY] = CHotKeyItem(33, 14);  // Ctrl + Alt + Page Up
    m_hotkeys[HK_DECREASE_OPACITY] = CHotKeyItem(34, 14);  // Ctrl + Alt + Page Down
    m_hotkeys[HK_PREVIOUS] = CHotKeyItem(188, 6);          // Ctrl + Alt + comma
    m_hotkeys[HK_NEXT] = CHotKeyItem(190, 6);              // Ctrl + Alt + period
}

void COptionData::SetDefaults() {
    m_nInterval = 30;
    m_nSequence = 0;
    m_nSizeMode = 1;
    m_nOpacity = 25;
    m_nNextIndex = -1;
    m_bEnabled = 1;
    m_nListViewMode = 1;
    m_nThumbWidth = 128;
    m_nThumbHeight = 128;
    m_strLanguageFile = DefaultLanguageFile();
    m_images.clear();
    m_nSiteListDay = 255;
    m_sites.clear();
    m_bCheckUpdate = 1;
    m_bRefreshSites = 1;
    m_bPauseOnScreenSaver = 1;
    m_bAutoStart = 0;
    m_region.Reset();
    for (CHotKeyItem& hk : m_hotkeys) hk = CHotKeyItem();
    SetDefaultHotKeys();
    m_nFadeMs = kDefaultFadeMs;
}

int32_t COptionData::ClampFadeMs(int32_t ms) {
    if (ms < 250) return 0;
    if (ms < 750) return 500;
    if (ms < 1500) return 1000;
    return 2000;
}

void COptionData::SetDefaultSites() {
    if (!m_sites.empty()) return;
    m_sites.emplace_back("Unsplash Wallpapers", "https://unsplash.com/wallpapers", "");
    m_sites.emplace_back("Pexels Wallpapers", "https://www.pexels.com/search/wallpaper/", "");
}

namespace {
void Field(CArchive& ar, int32_t& v) {
    if (ar.IsStoring()) {
        ar.WriteInt32(v);
    } else {
        v = ar.ReadInt32();
    }
}

template <typename T>
void Array(CArchive& ar, std::vector<T>& items) {
    if (ar.IsStoring()) {
        ar.WriteInt32(static_cast<int32_t>(items.size()));
        for (T& item : items) item.Serialize(ar);
    } else {
        // The count is checked against the bytes left before anything is allocated.
        items.assign(ar.ReadCount(T::kMinStoredSize), T());
        for (T& item : items) item.Serialize(ar);
    }
}
}  // namespace

void COptionData::Serialize(CArchive& ar) {
    Field(ar, m_nInterval);
    Field(ar, m_nSequence);
    Field(ar, m_nSizeMode);
    Field(ar, m_nOpacity);
    Field(ar, m_bEnabled);
    Field(ar, m_nListViewMode);
    Field(ar, m_nThumbWidth);
    Field(ar, m_nThumbHeight);
    Field(ar, m_nNextIndex);
    if (ar.IsStoring()) {
        ar.WriteName(m_strLanguageFile);
    } else {
        m_strLanguageFile = ar.ReadName();
    }
    Field(ar, m_bCheckUpdate);
    Field(ar, m_bPauseOnScreenSaver);
    Field(ar, m_bAutoStart);
    Field(ar, m_bRefreshSites);
    m_region.Serialize(ar);
    if (ar.IsStoring()) {
        ar.WriteUInt8(m_nSiteListDay);
    } else {
        m_nSiteListDay = ar.ReadUInt8();
    }
    Array(ar, m_images);
    Array(ar, m_sites);
    // A damaged or hand-edited file: more sites would take the command ids of other menus.
    if (m_sites.size() > kMaxSites) m_sites.resize(kMaxSites);
    for (CHotKeyItem& hk : m_hotkeys) hk.Serialize(ar);
    // Older versions stop reading after the last hotkey slot, so a file of theirs ends there.
    if (ar.IsStoring()) {
        ar.WriteInt32(m_nFadeMs);
    } else {
        m_nFadeMs = ar.Remaining() >= 4 ? ClampFadeMs(ar.ReadInt32()) : kDefaultFadeMs;
    }
}

std::string COptionData::AutoStartCommand(const std::string& exePath) {
    return "\"" + exePath.substr(0, 260) + "\" -r";
}

namespace {
// A folder as compared: backslashes, no trailing one, ASCII letters folded.
std::string FolderKey(std::string folder) {
    for (char& c : folder) {
        if (c == '/') c = '\\';
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    while (!folder.empty() && folder.back() == '\\') folder.pop_back();
    return folder;
}

// Only the installed copy may start for every user: any other lies where its user, not
// the machine's administrator, decides what it is.
bool IsInstalledCopy(IAutoStartStore& store, const std::string& exePath) {
    const std::string installed = store.InstallFolder();
    const size_t slash = exePath.find_last_of("\\/");
    if (installed.empty() || slash == std::string::npos) return false;
    return FolderKey(exePath.substr(0, slash)) == FolderKey(installed);
}
}  // namespace

bool COptionData::ApplyAutoStart(IAutoStartStore& store, const std::string& exePath) const {
    const IAutoStartStore::Hive machine = IAutoStartStore::LocalMachine, user = IAutoStartStore::CurrentUser;
    if (m_bAutoStart) {
        const std::string command = AutoStartCommand(exePath);
        if (store.CanOpen(machine)) {
            if (!IsInstalledCopy(store, exePath)) {
                if (!store.CanOpen(user) || !store.SetValue(user, kProductName, command)) return false;
                store.DeleteValue(machine, kProductName);
                return true;
            }
            if (!store.SetValue(machine, kProductName, command)) return false;
            store.DeleteValue(user, kProductName);
            return true;
        }
        // Written by a run with more rights; this user cannot change it, and a second
        // value would start the program twice.
        if (store.HasValue(machine, kProductName)) {
            store.DeleteValue(user, kProductName);
            return true;
        }
        return store.CanOpen(user) && store.SetValue(user, kProductName, command);
    }
    bool removed = true;
    for (IAutoStartStore::Hive hive : {machine, user}) {
        if (!store.DeleteValue(hive, kProductName) && store.HasValue(hive, kProductName)) removed = false;
    }
    return removed;
}

void COptionData::UpdateSiteList(const std::string& text, int today) {
    if (text.empty()) return;
    std::vector<CSiteItem> parsed;
    CSiteItem site;
    long long position = 0;
    while (parsed.size() < kMaxSites && position < static_cast<long long>(text.size())) {
        if (!ParseSite(site, text, position)) break;
        parsed.push_back(site);
    }
    if (parsed.empty()) return;
    m_sites = std::move(parsed);
    m_nSiteListDay = static_cast<uint8_t>(today);
}

bool COptionData::IsSiteListRefreshDue(int today) const {
    int d = today;
    const int s = m_nSiteListDay;
    if (d < s) d += 30;
    const bool fresh = d - s < 5 && s >= 1 && s <= 30;
    return !fresh;
}
