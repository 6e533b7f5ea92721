#include <windows.h>

#include "base/Json.h"
#include "settings/OptionData.h"
#include "tools/Command.h"
#include "ui/core/SpeedTest.h"

namespace {
const char kUsage[] = "speedtest";

int SpeedTest(const std::vector<std::string>& args) {
    if (!args.empty()) return Usage(kUsage);
    const CpuSpeed speed = MeasureCpuSpeed(SystemCpuCounters());
    const ScreenRect screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    CDisplayRegion region;  // as the wizard's size page starts
    region.m_nPositionMode = 1;
    ProposeRegion(speed.mhz, screen, region);
    JsonWriter w;
    w.BeginObject()
        .Key("mhz")
        .Value(speed.mhz)
        .Key("sizeMode")
        .Value(ProposedSizeMode(region))
        .Key("region")
        .BeginObject()
        .Key("m_nWidth")
        .Value(region.m_nWidth)
        .Key("m_nHeight")
        .Value(region.m_nHeight)
        .Key("m_nLeft")
        .Value(region.m_nLeft)
        .Key("m_nTop")
        .Value(region.m_nTop)
        .EndObject()
        .EndObject();
    WriteOut(w.Str() + "\n");
    return 0;
}
CommandRegistrar reg("speedtest", kUsage, SpeedTest);
}  // namespace
