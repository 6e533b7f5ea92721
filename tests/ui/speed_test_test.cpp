#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/OptionData.h"
#include "ui/core/SpeedTest.h"

namespace {

// A machine in simulated time: every counter read takes 10 ns.
class FakeCounters : public ICpuCounters {
public:
    FakeCounters(uint64_t cpuHz, uint64_t pcHz) : cpuHz(cpuHz), pcHz(pcHz) {}

    CpuIdentity Identify() override { return id; }
    uint64_t PerformanceFrequency() override { return pcHz; }
    uint32_t Milliseconds() override { return tickBase + static_cast<uint32_t>(now / 1000000); }

    uint64_t ReadTimeStamp() override {
        if (raised == 0 || pinned == 0) ++unguardedReads;
        now += pendingPreemption;
        pendingPreemption = 0;
        const uint64_t v = tscStalled ? 12345 : Scale(now, cpuHz);
        now += kStepNs;
        return v;
    }

    uint64_t ReadPerformanceCounter() override {
        const uint64_t v = now >= pcStallsAt ? Scale(pcStallsAt, pcHz) : Scale(now, pcHz);
        if (PreemptsThisTry() && readingPreemptionNs && v >= tryStartPc + 50) {
            pendingPreemption = readingPreemptionNs;  // between the two readings that start the window
            preempted = true;
        }
        lastPc = v;
        now += kStepNs;
        return v;
    }

    uint64_t TimeBitScans(uint32_t count) override {
        EXPECT_EQ(count, 4000u);
        return bitScanCounts.at(bitScans++ % bitScanCounts.size());
    }

    void PinToOneProcessor() override { ++pinned; }
    void UnpinProcessor() override { --pinned; }
    void RaisePriority() override {
        ++raised;
        ++raises;
        preempted = false;
        tryStartPc = lastPc;
    }
    void RestorePriority() override { --raised; }

    static constexpr uint64_t kStepNs = 10;
    CpuIdentity id{true, "GenuineIntel", 15, true};
    uint64_t cpuHz, pcHz;
    uint64_t now = 0;
    uint32_t tickBase = 0xFFFFFFFEu;  // the tick count wraps 2 ms in
    bool tscStalled = false;
    uint64_t pcStallsAt = UINT64_MAX;
    int preemptTry = 0;  // counted from 1; -1 every try
    uint64_t readingPreemptionNs = 0;
    std::vector<uint64_t> bitScanCounts;

    int pinned = 0, raised = 0, raises = 0, bitScans = 0;
    uint64_t unguardedReads = 0;

private:
    bool PreemptsThisTry() const { return raised && !preempted && (preemptTry == -1 || raises == preemptTry); }
    static uint64_t Scale(uint64_t ns, uint64_t hz) {
        return static_cast<uint64_t>(static_cast<unsigned __int128>(ns) * hz / 1000000000u);
    }
    bool preempted = false;
    uint64_t tryStartPc = 0, lastPc = 0;
    uint64_t pendingPreemption = 0;
};

// Every way out leaves the thread as it found it.
CpuSpeed Measure(FakeCounters& fake) {
    const CpuSpeed speed = MeasureCpuSpeed(fake);
    EXPECT_EQ(fake.pinned, 0);
    EXPECT_EQ(fake.raised, 0);
    EXPECT_EQ(fake.unguardedReads, 0u) << "time-stamp read outside raised priority on one processor";
    return speed;
}

TEST(SpeedTest, ClockFromTheTimeStampCounter) {
    struct Case {
        uint64_t cpuHz, pcHz;
        uint32_t mhz;
    } cases[] = {
        {2800000000, 3579545, 2800},   // ACPI timer
        {650000000, 2800000000, 650},  // counter faster than 1 GHz
        {649555000, 10000000, 649},    // normalised: up only from .56
        {649580000, 10000000, 650},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.cpuHz << " Hz, counter " << c.pcHz << " Hz");
        FakeCounters fake(c.cpuHz, c.pcHz);
        EXPECT_EQ(Measure(fake).mhz, c.mhz);
        EXPECT_LT(fake.now, 100000000u) << "took too long";
    }
}

TEST(SpeedTest, PreemptedTry) {
    // Away between the two readings that start a window: that try's rate is wrong and stays out.
    FakeCounters split(1800000000, 3579545);
    split.preemptTry = 2;
    split.readingPreemptionNs = 5000000;
    const CpuSpeed speed = Measure(split);
    EXPECT_EQ(speed.mhz, 1800u);
    EXPECT_GE(split.raises, 4);
}

TEST(SpeedTest, StalledCountersEndWithinTheWaitLimit) {
    // The performance counter stops, from the start or after some tries.
    for (uint64_t stallAt : {uint64_t{0}, uint64_t{2500000}}) {
        SCOPED_TRACE(stallAt);
        FakeCounters fake(2000000000, 3579545);
        fake.pcStallsAt = stallAt;
        EXPECT_EQ(Measure(fake).mhz, 0u);
        EXPECT_LT(fake.now, stallAt + 120000000) << "waited too long";
    }

    // A time-stamp counter that does not advance: every try is dropped, and there are at most 20.
    FakeCounters tsc(2000000000, 3579545);
    tsc.tscStalled = true;
    EXPECT_EQ(Measure(tsc).mhz, 0u);
    EXPECT_EQ(tsc.raises, 20);
}

TEST(SpeedTest, OlderProcessorsByBitScansOrNothingToMeasureWith) {
    // A 133 MHz Pentium: 4000 x 43 cycles take 1293.2 us, 1543 counts of the timer chip.
    FakeCounters pentium(0, 1193182);
    pentium.id = {true, "GenuineIntel", 5, false};
    pentium.bitScanCounts = {1600, 1560, 1543, 1700, 1544};
    EXPECT_EQ(Measure(pentium).mhz, 133u);

    FakeCounters zero(0, 1193182);  // a loop too quick to count
    zero.id = {true, "", 5, false};
    zero.bitScanCounts = {0};
    FakeCounters noCpuid(2000000000, 3579545);
    noCpuid.id = CpuIdentity();
    for (FakeCounters* fake : {&zero, &noCpuid}) EXPECT_EQ(Measure(*fake).mhz, 0u);
}

TEST(SpeedTest, ProposedRegion) {
    struct Case {
        uint32_t mhz;
        ScreenRect screen;
        int w, h, left, top;
    } cases[] = {
        {650, {0, 0, 1024, 768}, 560, 420, 232, 174},        {999, {0, 0, 1024, 768}, 800, 600, 112, 84},
        {1300, {0, 0, 1024, 768}, -1, -1, 11, 22},            // not smaller than the screen
        {1300, {0, 0, 1100, 768}, -1, -1, 11, 22},            // smaller across only
        {650, {1024, -200, 1024, 768}, 560, 420, 1256, -26},  // another monitor
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.mhz << " MHz on " << c.screen.width << " x " << c.screen.height);
        CDisplayRegion region;
        region.m_nLeft = 11;
        region.m_nTop = 22;
        ProposeRegion(c.mhz, c.screen, region);
        EXPECT_EQ(region.m_nWidth, c.w);
        EXPECT_EQ(region.m_nHeight, c.h);
        EXPECT_EQ(region.m_nLeft, c.left);
        EXPECT_EQ(region.m_nTop, c.top);
        EXPECT_EQ(ProposedSizeMode(region), c.w > 0 ? 3 : 1);
    }
}

}  // namespace
