// The Internet reader against the hostile endpoints of tests/wine/online_server.py. The
// Wine script velum_online_reader.sh starts the server and names it in
// VELUM_TEST_SERVER; without it the test is skipped.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "base/Sync.h"
#include "online/InternetReader_win.h"

namespace {

struct MemoryCounters {
    DWORD cb;
    DWORD PageFaultCount;
    SIZE_T PeakWorkingSetSize, WorkingSetSize, QuotaPeakPagedPoolUsage, QuotaPagedPoolUsage;
    SIZE_T QuotaPeakNonPagedPoolUsage, QuotaNonPagedPoolUsage, PagefileUsage, PeakPagefileUsage;
};

// Private bytes now and at their peak; psapi is loaded here so that the runner needs no import.
bool ReadMemory(SIZE_T& now, SIZE_T& peak) {
    typedef BOOL(WINAPI * Fn)(HANDLE, MemoryCounters*, DWORD);
    static Fn fn = reinterpret_cast<Fn>(
        reinterpret_cast<void*>(GetProcAddress(LoadLibraryA("psapi.dll"), "GetProcessMemoryInfo")));
    MemoryCounters c{};
    c.cb = sizeof c;
    if (!fn || !fn(GetCurrentProcess(), &c, sizeof c)) return false;
    now = c.PagefileUsage;
    peak = c.PeakPagefileUsage;
    return true;
}

struct Endpoint {
    const char* path;
    FetchFailure want;
    const char* text;  // the body, when it is accepted
};

struct Outcome {
    FetchFailure result = FetchFailure::Other;
    std::string body;
    DWORD ms = 0;
};

TEST(InternetReaderHostile, EveryAnswerEndsCleanlyInTimeWithBoundedMemory) {
    const char* server = std::getenv("VELUM_TEST_SERVER");
    if (!server) GTEST_SKIP() << "set VELUM_TEST_SERVER=http://127.0.0.1:PORT";
    {
        CInternetReader warm;
        ASSERT_TRUE(warm.IsReady());
        FetchResult ok = warm.Fetch(std::string(server) + "/ok", kMaxBodyBytes);
        ASSERT_EQ(ok.failure, FetchFailure::None) << FetchFailureName(ok.failure);
        EXPECT_EQ(ok.text, "hello");
    }
    SIZE_T before = 0, peakBefore = 0;
    ASSERT_TRUE(ReadMemory(before, peakBefore));

    const std::vector<Endpoint> endpoints = {
        {"/404", FetchFailure::Status, ""},
        {"/portal", FetchFailure::Status, ""},
        {"/nolength", FetchFailure::None, "no length, read to the end"},
        {"/chunked", FetchFailure::None, "part one, part two"},
        {"/slow", FetchFailure::None, "first part, second part, third part"},
        {"/huge-length", FetchFailure::TooLarge, ""},
        {"/negative-length", FetchFailure::BadResponse, ""},
        {"/text-length", FetchFailure::BadResponse, ""},
        {"/short", FetchFailure::ShortBody, ""},
        {"/10mb", FetchFailure::TooLarge, ""},
        {"/10mb-nolength", FetchFailure::TooLarge, ""},
        {"/hang", FetchFailure::Timeout, ""},
        {"/drip", FetchFailure::Timeout, ""},
        {"/loop", FetchFailure::TooManyRedirects, ""},
        {"/chain3", FetchFailure::None, "arrived"},
        {"/chain4", FetchFailure::TooManyRedirects, ""},
    };
    // Side by side, so that the slow ones cost their time once.
    std::vector<Outcome> outcomes(endpoints.size());
    std::vector<std::unique_ptr<Thread>> threads;
    for (size_t i = 0; i < endpoints.size(); ++i) {
        threads.emplace_back(new Thread);
        Outcome* p = &outcomes[i];
        const std::string address = std::string(server) + endpoints[i].path;
        ASSERT_TRUE(threads.back()->Start([p, address] {
            const DWORD start = GetTickCount();
            CInternetReader reader;
            FetchResult r = reader.Fetch(address, kMaxBodyBytes);
            p->ms = GetTickCount() - start;
            p->result = r.failure;
            p->body = r.text;
        }));
    }
    for (auto& t : threads) EXPECT_TRUE(t->Join(90000));
    for (size_t i = 0; i < endpoints.size(); ++i) {
        const Endpoint& e = endpoints[i];
        const Outcome& o = outcomes[i];
        // A wait that ran out: Windows calls it a timeout, Wine a lost connection; both
        // count as offline.
        if (e.want == FetchFailure::Timeout) {
            EXPECT_TRUE(IsOfflineFailure(o.result)) << e.path << ": " << FetchFailureName(o.result);
        } else {
            EXPECT_EQ(FetchFailureName(o.result), std::string(FetchFailureName(e.want))) << e.path;
        }
        EXPECT_EQ(o.body, e.text) << e.path;
        EXPECT_LT(o.ms, 70000u) << e.path;
        std::printf("%-18s %-20s %6lu ms\n", e.path, FetchFailureName(o.result), static_cast<unsigned long>(o.ms));
    }
    SIZE_T after = 0, peak = 0;
    ASSERT_TRUE(ReadMemory(after, peak));
    std::printf("private bytes: %lu KiB before, peak %lu KiB\n", static_cast<unsigned long>(before / 1024),
                static_cast<unsigned long>(peak / 1024));
    // Two of the answers are 10 MB long: neither may be held.
    EXPECT_LT(peak, before + 8 * 1024 * 1024);
}

}  // namespace
