#include "ui/core/SpeedTest.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "settings/OptionData.h"

namespace {

constexpr int kMaxTries = 20;
constexpr uint32_t kWaitLimitMs = 50;
constexpr uint64_t kNsPerSecond = 1000000000;
// These keep every product below in 64 bits; no real counter or clock comes near them.
constexpr uint64_t kMaxFrequency = uint64_t{1} << 34;
constexpr uint64_t kMaxTrySeconds = 10;  // a try stretched this long was suspended, not measured
constexpr uint64_t kMaxCyclesPerNs = 100;

// a * b / c rounded down, without the overflow of a * b as long as c * b fits 64 bits.
uint64_t MulDiv(uint64_t a, uint64_t b, uint64_t c) {
    return a / c * b + a % c * b / c;
}

uint64_t RoundDiv(uint64_t a, uint64_t b) {
    return a / b + (a % b > b / 2 ? 1 : 0);
}

uint32_t To32(uint64_t v) {
    return static_cast<uint32_t>(std::min<uint64_t>(v, std::numeric_limits<uint32_t>::max()));
}

// Undoes on leaving the scope, however it is left.
class Scoped {
public:
    using Step = void (ICpuCounters::*)();
    Scoped(ICpuCounters& c, Step enter, Step leave) : m_c(c), m_leave(leave) { (m_c.*enter)(); }
    ~Scoped() { (m_c.*m_leave)(); }
    Scoped(const Scoped&) = delete;
    Scoped& operator=(const Scoped&) = delete;

private:
    ICpuCounters& m_c;
    Step m_leave;
};

struct Sample {
    uint64_t tsc = 0;
    uint64_t pc = 0;
};

// Reads both counters until the performance counter is at least `counts` past `from`.
// False when it has not got there within the wait limit (a stalled counter).
bool WaitPast(ICpuCounters& c, uint64_t from, uint64_t counts, Sample& s) {
    const uint32_t start = c.Milliseconds();
    for (;;) {
        s.pc = c.ReadPerformanceCounter();
        s.tsc = c.ReadTimeStamp();
        if (s.pc > from && s.pc - from >= counts) return true;
        if (static_cast<uint32_t>(c.Milliseconds() - start) > kWaitLimitMs) return false;
    }
}

// Rates in MHz from cycles over nanoseconds; the normalised rate rounds up from .56.
CpuSpeed FromTotals(uint64_t cycles, uint64_t ns) {
    CpuSpeed r;
    if (ns == 0) return r;
    r.cycles = cycles;
    r.microseconds = RoundDiv(ns, 1000);
    const uint64_t raw = MulDiv(cycles, 1000, ns);
    uint64_t tenths = MulDiv(cycles, 10000, ns);
    const uint64_t hundredths = MulDiv(cycles, 100000, ns) - 10 * tenths;
    if (hundredths >= 6) ++tenths;
    r.rawMhz = To32(raw);
    r.mhz = To32(raw + (tenths - 10 * raw >= 6 ? 1 : 0));
    return r;
}

struct Try {
    uint64_t cycles = 0;
    uint64_t ns = 0;
    uint64_t rate = 0;
};

// Three rates within 1 MHz of their mean.
bool Agree(const Try* last3) {
    const int64_t sum = static_cast<int64_t>(last3[0].rate + last3[1].rate + last3[2].rate);
    for (int i = 0; i < 3; ++i) {
        const int64_t d = 3 * static_cast<int64_t>(last3[i].rate) - sum;
        if (d > 3 || d < -3) return false;
    }
    return true;
}

CpuSpeed MeasureWithTimeStamps(ICpuCounters& c, uint64_t freq) {
    // Both counters must tick often within the window: at least 1000 counts and 1 ms, at most 20 ms.
    const uint64_t lead = std::max<uint64_t>(1, std::min<uint64_t>(50, freq / 1000));
    const uint64_t window = std::max<uint64_t>(1, std::min(std::max<uint64_t>(1000, freq / 1000), freq / 50));
    std::vector<Try> tries;
    for (int i = 0; i < kMaxTries; ++i) {
        Sample s0, s1;
        bool ok;
        {
            const uint64_t t0 = c.ReadPerformanceCounter();
            Scoped raised(c, &ICpuCounters::RaisePriority, &ICpuCounters::RestorePriority);
            // Starting just after a tick of the performance counter keeps its rounding out of the window.
            ok = WaitPast(c, t0, lead, s0) && WaitPast(c, s0.pc, window, s1);
        }
        if (!ok) return CpuSpeed();
        // A counter that did not advance (or went back) says nothing about the clock.
        if (s1.tsc <= s0.tsc) continue;
        const uint64_t counts = s1.pc - s0.pc;
        if (counts / freq >= kMaxTrySeconds) continue;
        Try t;
        t.cycles = s1.tsc - s0.tsc;
        t.ns = MulDiv(counts, kNsPerSecond, freq);
        if (t.ns == 0 || t.cycles / t.ns >= kMaxCyclesPerNs) continue;
        t.rate = RoundDiv(t.cycles * 1000, t.ns);
        tries.push_back(t);
        // Totals of the three that agree: a try preempted between its two readings stays out.
        if (tries.size() >= 3 && Agree(&tries[tries.size() - 3])) {
            const Try* a = &tries[tries.size() - 3];
            return FromTotals(a[0].cycles + a[1].cycles + a[2].cycles, a[0].ns + a[1].ns + a[2].ns);
        }
    }
    uint64_t cycles = 0, ns = 0;
    for (const Try& t : tries) {
        cycles += t.cycles;
        ns += t.ns;
    }
    return FromTotals(cycles, ns);
}

// Older processors: a loop of bit scans with the family's known cost, the fastest of ten.
CpuSpeed MeasureWithBitScans(ICpuCounters& c, uint64_t freq, int family) {
    constexpr uint32_t kScans = 4000;
    const uint64_t clocks = family == 3 ? 115 : family == 4 ? 47 : family == 5 ? 43 : 38;
    uint64_t best = std::numeric_limits<uint64_t>::max();
    for (int i = 0; i < 10; ++i) {
        Scoped raised(c, &ICpuCounters::RaisePriority, &ICpuCounters::RestorePriority);
        best = std::min(best, c.TimeBitScans(kScans));
    }
    const uint64_t ns = best == 0 ? 0 : MulDiv(best, kNsPerSecond, freq);
    CpuSpeed r;
    if (ns == 0) return r;
    r.cycles = kScans * clocks;
    r.microseconds = RoundDiv(ns, 1000);
    r.rawMhz = To32(r.cycles * 1000 / ns);
    r.mhz = To32(RoundDiv(r.cycles * 1000, ns));
    return r;
}

}  // namespace

CpuSpeed MeasureCpuSpeed(ICpuCounters& c) {
    const CpuIdentity id = c.Identify();
    if (!id.hasCpuid) return CpuSpeed();
    if (!id.hasTimeStampCounter && id.family < 3) return CpuSpeed();
    const uint64_t freq = c.PerformanceFrequency();
    if (freq == 0 || freq > kMaxFrequency) return CpuSpeed();
    Scoped pinned(c, &ICpuCounters::PinToOneProcessor, &ICpuCounters::UnpinProcessor);
    return id.hasTimeStampCounter ? MeasureWithTimeStamps(c, freq) : MeasureWithBitScans(c, freq, id.family);
}

void ProposeRegion(uint32_t mhz, const ScreenRect& screen, CDisplayRegion& region) {
    struct Step {
        uint32_t belowMhz;
        RegionSize size;
    };
    static const Step steps[] = {{200, {240, 180}},  {300, {280, 210}},  {400, {320, 240}},   {500, {400, 300}},
                                 {600, {480, 360}},  {700, {560, 420}},  {800, {640, 480}},   {900, {720, 540}},
                                 {1000, {800, 600}}, {1300, {920, 690}}, {1500, {1024, 768}}, {1700, {1280, 1024}}};
    region.m_nFitMode = 1;
    region.m_nPositionMode = 1;
    for (const Step& s : steps) {
        if (mhz >= s.belowMhz) continue;
        if (s.size.width < screen.width && s.size.height < screen.height) {
            const PickerPoint at = CentredPosition(screen, s.size.width, s.size.height);
            region.m_nWidth = s.size.width;
            region.m_nHeight = s.size.height;
            region.m_nLeft = at.x;
            region.m_nTop = at.y;
            return;
        }
        break;
    }
    region.m_nWidth = -1;
    region.m_nHeight = -1;
}

int ProposedSizeMode(const CDisplayRegion& region) {
    return region.m_nWidth >= 1 ? 3 : 1;
}
