#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/File.h"
#include "settings/Archive.h"
#include "settings/SettingsFile.h"

namespace {

std::string Bytes(std::initializer_list<int> values) {
    std::string s;
    for (int v : values) s.push_back(static_cast<char>(v));
    return s;
}

std::string Le32(uint32_t v) {
    return Bytes({int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF), int(v >> 24)});
}

COptionData FirstEdgeCase() {
    COptionData d;
    d.m_strLanguageFile = "C:\\V\\en.lng";
    d.m_nInterval = 10;
    d.m_nOpacity = 60;
    d.m_nSizeMode = 3;
    d.m_region.m_nWidth = 640;
    d.m_region.m_nHeight = 480;
    d.m_region.m_nLeft = 100;
    d.m_region.m_nTop = 50;
    d.m_region.m_nFitMode = 0;
    d.m_region.m_nPositionMode = 1;
    d.m_images.emplace_back("C:\\P", true, false);
    CImageItem pic("a.jpg", false, true);
    pic.m_nWidth = 800;
    pic.m_nHeight = 600;
    pic.m_nDepth = 24;
    d.m_images.push_back(pic);
    return d;
}

// The file for FirstEdgeCase(), written out from the layout rather than by the writer.
std::string FirstEdgeCaseBytes() {
    std::string f = "VLPF";
    f += Bytes({0x00, 0x0A, 0x01, 0x00});
    f += Le32(10) + Le32(0) + Le32(3) + Le32(60);    // interval, sequence, size mode, opacity
    f += Le32(1) + Le32(1) + Le32(128) + Le32(128);  // enabled, view mode, thumb width, height
    f += Le32(0xFFFFFFFF);                           // next index -1
    f += Bytes({11}) + "C:\\V\\en.lng";              // language file
    f += Le32(1) + Le32(1) + Le32(0) + Le32(1);      // check update, pause, autostart, refresh sites
    f += Le32(640) + Le32(480) + Le32(100) + Le32(50) + Le32(0) + Le32(1);
    f += Bytes({0});  // site list day
    f += Le32(2);
    f += Bytes({4}) + "C:\\P" + Le32(0) + Le32(0) + Le32(0) + Le32(1) + Le32(0);
    f += Bytes({5}) + "a.jpg" + Le32(800) + Le32(600) + Le32(24) + Le32(0) + Le32(1);
    f += Le32(0);  // no sites
    f += Bytes({36, 0, 14, 0, 33, 0, 14, 0, 34, 0, 14, 0, 188, 0, 6, 0, 190, 0, 6, 0});
    for (int i = 0; i < 6; ++i) f += Le32(0);
    return f;
}

TEST(SettingsFile, WritesAndReadsTheDocumentedLayoutByteForByte) {
    EXPECT_EQ(SaveSettingsBytes(FirstEdgeCase()), FirstEdgeCaseBytes() + Le32(1000));
    COptionData d;
    uint32_t version = 0;
    ASSERT_TRUE(LoadSettingsBytes(FirstEdgeCaseBytes(), d, &version));
    EXPECT_EQ(version, kVelumVersion);
    EXPECT_EQ(SaveSettingsBytes(d), FirstEdgeCaseBytes() + Le32(1000));
}

// The fade time sits after the last hotkey slot, where older versions stop reading.
TEST(SettingsFile, FadeTimeAfterTheLastSlotDefaultsForOlderFilesAndIsClamped) {
    COptionData d;
    d.m_nFadeMs = 0;
    ASSERT_TRUE(LoadSettingsBytes(FirstEdgeCaseBytes(), d));
    EXPECT_EQ(d.m_nFadeMs, 1000);
    const std::pair<uint32_t, int> damaged[] = {{0x80000000u, 0}, {249, 0}, {250, 500}, {1499, 1000}, {1500, 2000}};
    for (const auto& c : damaged) {
        COptionData back;
        ASSERT_TRUE(LoadSettingsBytes(FirstEdgeCaseBytes() + Le32(c.first), back));
        EXPECT_EQ(back.m_nFadeMs, c.second) << c.first;
    }
    // A stray byte or three after the slots is no fade time, and no damage either.
    d.m_nFadeMs = 0;
    ASSERT_TRUE(LoadSettingsBytes(FirstEdgeCaseBytes() + Bytes({0xD0, 0x07, 0}), d));
    EXPECT_EQ(d.m_nFadeMs, 1000);
}

// Site commands are numbered from 37100: more sites would reach other menus' ids.
TEST(SettingsFile, AtMostTwentyFiveSitesAreKeptAndWhatFollowsThemStillLoads) {
    COptionData many = FirstEdgeCase();
    for (int i = 0; i < 900; ++i)
        many.m_sites.emplace_back("Site " + std::to_string(i), "http://s" + std::to_string(i) + ".example/", "");
    many.m_hotkeys[COptionData::HK_NEXT] = CHotKeyItem(0x4E, 3);
    COptionData d;
    ASSERT_TRUE(LoadSettingsBytes(SaveSettingsBytes(many), d));
    ASSERT_EQ(d.m_sites.size(), COptionData::kMaxSites);
    EXPECT_EQ(d.m_sites.back().m_strName, "Site 24");
    EXPECT_EQ(d.m_hotkeys[COptionData::HK_NEXT], many.m_hotkeys[COptionData::HK_NEXT]);
}

TEST(Archive, StringPrefixesHaveOneThreeAndSevenBytes) {
    struct Case {
        size_t length;
        std::string prefix;
    } cases[] = {
        {254, Bytes({0xFE})},
        {255, Bytes({0xFF, 0xFF, 0x00})},
        {65533, Bytes({0xFF, 0xFD, 0xFF})},
        {65534, Bytes({0xFF, 0xFF, 0xFF}) + Le32(65534)},
    };
    for (const Case& c : cases) {
        CArchive out;
        std::string s(c.length, 'x');
        out.WriteString(s);
        EXPECT_EQ(out.Bytes().substr(0, c.prefix.size()), c.prefix) << c.length;
        EXPECT_EQ(out.Bytes().size(), c.prefix.size() + c.length);
        CArchive in(out.Bytes());
        EXPECT_EQ(in.ReadString(), s);
        EXPECT_EQ(in.Remaining(), 0u);
    }
    // A wide name takes the same prefixes after its marker.
    CArchive out;
    const std::string longName = std::string(70000, 'x') + "\xCE\xA9";
    out.WriteName(longName);
    CArchive in(out.Bytes());
    EXPECT_EQ(in.ReadName(), longName);
    // A name without a form in the code page: 0xFF, the marker 0xFFFE, the length in UTF-16
    // units with the usual prefix, UTF-16LE. Older versions take such a file for damaged.
    CArchive wide;
    wide.WriteName("C:\\\xCE\xA9");  // C:\ and a Greek omega
    EXPECT_EQ(wide.Bytes(), Bytes({0xFF, 0xFE, 0xFF, 4, 'C', 0, ':', 0, '\\', 0, 0xA9, 0x03}));
}

}  // namespace
