// Every user setting of the program, stored as the binary settings file.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "imagelist/ImageItem.h"
#include "online/WallpaperSiteItem.h"

class CArchive;

// The format word of the settings file and the program's own version, 1.10.
constexpr uint32_t kVelumVersion = 0x00010A00;
constexpr char kProductName[] = "Velum";

class CDisplayRegion {
public:
    virtual ~CDisplayRegion() = default;
    virtual void Serialize(CArchive& ar);
    void Reset() { *this = CDisplayRegion(); }
    bool operator==(const CDisplayRegion& o) const {
        return m_nWidth == o.m_nWidth && m_nHeight == o.m_nHeight && m_nLeft == o.m_nLeft && m_nTop == o.m_nTop &&
               m_nFitMode == o.m_nFitMode && m_nPositionMode == o.m_nPositionMode;
    }

    int32_t m_nWidth = 400;  // negative: the full screen
    int32_t m_nHeight = 300;
    int32_t m_nLeft = 0;
    int32_t m_nTop = 0;
    int32_t m_nFitMode = 1;       // 0 own size, 1 fit to the region
    int32_t m_nPositionMode = 0;  // 0 random, else at m_nLeft, m_nTop
};

// Modifier flags as the hotkey control gives them.
enum : uint16_t { HOTKEYF_SHIFT_FLAG = 1, HOTKEYF_CONTROL_FLAG = 2, HOTKEYF_ALT_FLAG = 4, HOTKEYF_EXT_FLAG = 8 };

class CHotKeyItem {
public:
    CHotKeyItem() = default;
    CHotKeyItem(uint16_t vk, uint16_t modifiers) : m_wVirtualKey(vk), m_wModifiers(modifiers) {}
    virtual ~CHotKeyItem() = default;
    CHotKeyItem(const CHotKeyItem&) = default;
    CHotKeyItem& operator=(const CHotKeyItem&) = default;
    virtual void Serialize(CArchive& ar);
    bool operator==(const CHotKeyItem& o) const {
        return m_wVirtualKey == o.m_wVirtualKey && m_wModifiers == o.m_wModifiers;
    }

    uint16_t m_wVirtualKey = 0;  // 0: no hotkey
    uint16_t m_wModifiers = 0;
};

// Where the start-with-Windows value lives; the Win32 one is the registry's Run key.
class IAutoStartStore {
public:
    enum Hive { LocalMachine, CurrentUser };
    virtual ~IAutoStartStore() = default;
    // False when the Run key of hive cannot be opened for writing.
    virtual bool CanOpen(Hive hive) = 0;
    // Whether the Run key of hive holds a value of that name; reading is enough.
    virtual bool HasValue(Hive hive, const std::string& name) = 0;
    virtual bool SetValue(Hive hive, const std::string& name, const std::string& text) = 0;
    // A missing value counts as deleted.
    virtual bool DeleteValue(Hive hive, const std::string& name) = 0;
    // The full path of the folder the installer recorded for the machine; empty when none.
    virtual std::string InstallFolder() = 0;
};

class COptionData {
public:
    static constexpr int kHotKeySlots = 11;
    static constexpr int kUsedHotKeys = 5;
    // Sites held from any source (download, settings file); their menu commands are 37100 + index.
    static constexpr size_t kMaxSites = 25;
    static constexpr int32_t kDefaultFadeMs = 1000;
    enum HotKeySlot { HK_ENABLE = 0, HK_INCREASE_OPACITY, HK_DECREASE_OPACITY, HK_PREVIOUS, HK_NEXT };

    COptionData();
    virtual ~COptionData() = default;

    // Everything from m_nInterval on; the magic and version are the caller's.
    virtual void Serialize(CArchive& ar);

    void SetDefaults();
    void SetDefaultHotKeys();
    void SetDefaultSites();

    // Writes or removes the start-with-Windows value: under HKEY_LOCAL_MACHINE for the
    // installed copy (exePath in the installer's folder), else, or when the machine's key is
    // closed to this user, under HKEY_CURRENT_USER. Only one value is left, as Windows
    // starts the program once for each. Removing clears both.
    bool ApplyAutoStart(IAutoStartStore& store, const std::string& exePath) const;
    static std::string AutoStartCommand(const std::string& exePath);

    // Replaces m_sites by at most 25 records parsed from text; today is the local day of the month.
    void UpdateSiteList(const std::string& text, int today);
    bool IsSiteListRefreshDue(int today) const;

    // "<program folder>\language\vmeng.lng"
    static std::string DefaultLanguageFile();
    // The nearest of the offered fade times: 0 (off), 500, 1000 or 2000 ms.
    static int32_t ClampFadeMs(int32_t ms);

    int32_t m_nInterval = 30;
    int32_t m_nSequence = 0;
    int32_t m_nSizeMode = 0;
    int32_t m_nOpacity = 25;
    int32_t m_nNextIndex = -1;
    int32_t m_bEnabled = 1;
    int32_t m_nListViewMode = 1;
    int32_t m_nThumbWidth = 128;
    int32_t m_nThumbHeight = 128;
    std::string m_strLanguageFile;
    std::vector<CImageItem> m_images;
    uint8_t m_nSiteListDay = 0;
    std::vector<CSiteItem> m_sites;
    int32_t m_bCheckUpdate = 1;
    int32_t m_bRefreshSites = 1;
    int32_t m_bPauseOnScreenSaver = 1;
    int32_t m_bAutoStart = 0;
    CDisplayRegion m_region;
    CHotKeyItem m_hotkeys[kHotKeySlots];
    int32_t m_nFadeMs = kDefaultFadeMs;  // cross-fade between pictures; 0 = off
};
