#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <string>

#include "base/Sync.h"
#include "tests/support/TraceCapture.h"
#include "ui/core/HeaderJobs.h"

namespace {

std::string Texts(const std::vector<HeaderResult>& results) {
    std::string s;
    for (const HeaderResult& r : results)
        s += std::to_string(r.id) + ":" + std::to_string(r.width) + "x" + std::to_string(r.height) + "x" +
             std::to_string(r.depth) + " ";
    return s;
}

}  // namespace

// Sizes come back by identity, in the order handed out; the window is told once for the
// results it has not taken, and a reader that throws leaves the size unknown.
TEST(HeaderJobs, ResultsComeByIdentityAndTheWindowIsToldOncePerTake) {
    Event gate(true, true), told(false, false);
    std::atomic<int> tells{0}, started{0};
    CHeaderJobs jobs(
        [&](const std::string& path, int32_t& w, int32_t& h, int32_t& d) {
            ++started;
            gate.Wait(5000);
            if (path == "bad") throw std::runtime_error("damaged");
            w = static_cast<int32_t>(path.size()), h = 2, d = 24;
        },
        [&] { ++tells, told.Set(); });
    TraceCapture quiet;
    ASSERT_TRUE(jobs.Add(7, "abc"));
    ASSERT_TRUE(told.Wait(5000));
    EXPECT_EQ(Texts(jobs.Take()), "7:3x2x24 ");

    gate.Reset();
    ASSERT_TRUE(jobs.Add(3, "bad"));
    ASSERT_TRUE(jobs.Add(9, "abcdef"));
    gate.Set();
    for (int i = 0; i < 500 && started < 3; ++i) SleepMs(10);
    EXPECT_TRUE(jobs.Stop(5000));  // the read in progress ends first
    EXPECT_EQ(Texts(jobs.Take()), "3:0x0x0 9:6x2x24 ");
    EXPECT_EQ(tells.load(), 2);
}

// A header on a share that does not answer: Stop gives up in time, drops what waits, and
// the read finishes alone later with what it holds.
TEST(HeaderJobs, StopGivesUpOnAReadThatHangsAndDropsTheQueue) {
    auto release = std::make_shared<Event>(true, false);
    auto reads = std::make_shared<std::atomic<int>>(0);
    {
        CHeaderJobs jobs(
            [release, reads](const std::string&, int32_t& w, int32_t&, int32_t&) {
                ++*reads;
                release->Wait(5000);
                w = 1;
            },
            [] {});
        TraceCapture quiet;
        ASSERT_TRUE(jobs.Add(1, "hangs"));
        ASSERT_TRUE(jobs.Add(2, "waits"));
        for (int i = 0; i < 500 && *reads == 0; ++i) SleepMs(10);
        EXPECT_FALSE(jobs.Stop(100));
    }
    release->Set();
    SleepMs(100);
    EXPECT_EQ(*reads, 1);
}
