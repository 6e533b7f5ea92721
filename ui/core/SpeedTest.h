// The processor speed test of the quick setup wizard and the display size it proposes.
#pragma once
#include <cstdint>
#include <string>

#include "ui/core/RegionPicker.h"

class CDisplayRegion;

struct CpuIdentity {
    bool hasCpuid = false;
    std::string vendor;  // not used for the decision: every make's time-stamp counter counts cycles
    int family = 0;      // bits 8 to 11 of the signature: 3 = 386, 4 = 486, 5 = Pentium, 6 and later
    bool hasTimeStampCounter = false;
};

// What the measurement reads from the machine; tests pass fakes.
class ICpuCounters {
public:
    virtual ~ICpuCounters() = default;
    virtual CpuIdentity Identify() = 0;
    virtual uint64_t ReadTimeStamp() = 0;
    virtual uint64_t PerformanceFrequency() = 0;  // counts per second; 0: no performance counter
    virtual uint64_t ReadPerformanceCounter() = 0;
    // Performance counts that `count` bit-scan instructions take (processors without a time-stamp counter).
    virtual uint64_t TimeBitScans(uint32_t count) = 0;
    virtual uint32_t Milliseconds() = 0;  // wraps like GetTickCount; bounds the waits
    virtual void PinToOneProcessor() = 0;
    virtual void UnpinProcessor() = 0;
    virtual void RaisePriority() = 0;  // time-critical
    virtual void RestorePriority() = 0;
};

struct CpuSpeed {
    uint64_t cycles = 0;
    uint64_t microseconds = 0;
    uint32_t rawMhz = 0;  // cycles / microseconds
    uint32_t mhz = 0;     // normalised; 0 when the clock could not be measured
};

// Always leaves the priority and the processor affinity as they were.
CpuSpeed MeasureCpuSpeed(ICpuCounters& counters);

// The wizard's proposal for a clock rate: fit mode 1, position mode 1, a preset centred on the
// screen, or width and height -1 (full screen, left and top as they were) when the screen is not
// larger than the preset on both axes.
void ProposeRegion(uint32_t mhz, const ScreenRect& screen, CDisplayRegion& region);

// What Finish stores as the size mode for the page's region: 3 custom, or 1 fit to screen.
int ProposedSizeMode(const CDisplayRegion& region);

// The machine's counters (Windows build only).
ICpuCounters& SystemCpuCounters();
