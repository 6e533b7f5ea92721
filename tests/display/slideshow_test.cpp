#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <climits>
#include <mutex>
#include <memory>
#include <condition_variable>
#include <string>
#include <thread>
#include <vector>

#include "base/Trace.h"
#include "display/Slideshow.h"
#include "imagelist/FileSystem.h"
#include "imagelist/Rebuild.h"
#include "imagelist/Watch.h"

namespace {

class FakeClock : public IClock {
public:
    int LocalDayOfMonth() const override { return 1; }
    uint32_t TickCount() const override { return tick; }
    uint64_t PerformanceCounter() const override { return counter; }
    std::atomic<uint32_t> tick{1000};
    std::atomic<uint64_t> counter{0};
};

class FakeHost : public ISlideshowHost {
public:
    bool IsConfigWindowVisible() const override { return configVisible; }
    bool IsScreenSaverRunning() const override { return screenSaver; }
    int DesktopColorDepth() const override { return depth; }
    void SetSlideshowTimer(uint32_t periodMs) override {
        timerMs = periodMs;
        timerEvents.push_back("set");
    }
    void KillSlideshowTimer() override {
        timerMs = 0;
        timerEvents.push_back("kill");
    }
    void UpdateTrayIcon(bool enabled) override { trayEnabled = enabled ? 1 : 0; }
    void SelectOpacityItem(int index) override { opacityItem = index; }
    void SetModified() override { modified = true; }

    std::atomic<bool> configVisible{false};
    std::atomic<bool> screenSaver{false};
    std::atomic<int> depth{32};
    uint32_t timerMs = 0;
    std::vector<std::string> timerEvents;
    int trayEnabled = -1;
    int opacityItem = -1;
    bool modified = false;
};

// Records what the slideshow asks of the display; used from both threads.
class RecordingDisplay : public IImageDisplay {
public:
    void SetImagePath(const std::string& path) override {
        LockGuard lock(m_lock);
        paths.push_back(path);
    }
    bool ShowImage(int alpha) override {
        LockGuard lock(m_lock);
        alphas.push_back(alpha);
        shown.push_back(paths.empty() ? std::string() : paths.back());
        return true;
    }
    void ReShow() override { ++reshows; }
    void SetAlpha(int alpha) override { setAlphas.push_back(alpha); }
    void SetSizeMode(int) override {}
    void SetRegion(const CDisplayRegion&) override {}
    void Hide() override { ++hides; }
    bool IsVisible() const override { return visible; }

    std::vector<std::string> Paths() {
        LockGuard lock(m_lock);
        return paths;
    }
    std::vector<std::string> Shown() {
        LockGuard lock(m_lock);
        return shown;
    }
    std::vector<int> Alphas() {
        LockGuard lock(m_lock);
        return alphas;
    }

    std::atomic<int> reshows{0};
    std::atomic<int> hides{0};
    std::vector<int> setAlphas;
    bool visible = false;

private:
    Mutex m_lock;
    std::vector<std::string> paths;
    std::vector<int> alphas;
    std::vector<std::string> shown;
};

std::vector<std::string> Pictures(int n, const std::string& prefix = "p") {
    std::vector<std::string> v;
    for (int i = 0; i < n; ++i) v.push_back(prefix + std::to_string(i));
    return v;
}

// A slideshow over n pictures (the rebuild answers with them) in list order.
struct Rig {
    explicit Rig(int n = 3) {
        options.m_images.push_back(CImageItem("C:\\pics", true, true));
        show.SetRebuild([this](const std::vector<CImageItem>&) {
            ++rebuilds;
            return Pictures(pictures);
        });
        pictures = n;
    }
    std::vector<std::string> TickAndCollect(int ticks) {
        for (int i = 0; i < ticks; ++i) show.Tick();
        return display.Paths();
    }

    COptionData options;
    CDisplayList list;
    RecordingDisplay display;
    FakeHost host;
    FakeClock clock;
    CSlideshow show{options, list, display, host, clock};
    std::atomic<int> pictures{3};
    std::atomic<int> rebuilds{0};
};

TEST(SlideshowTick, ListOrderWrapsAndKeepsTheIndexAfterTheLastShown) {
    Rig rig(3);
    EXPECT_EQ(rig.TickAndCollect(3), (std::vector<std::string>{"p0", "p1", "p2"}));
    // The stored index is not wrapped until the next tick.
    EXPECT_EQ(rig.options.m_nNextIndex, 3);
    EXPECT_EQ(rig.TickAndCollect(2), (std::vector<std::string>{"p0", "p1", "p2", "p0", "p1"}));
    EXPECT_EQ(rig.options.m_nNextIndex, 2);
    EXPECT_EQ(rig.show.CurrentImage(), 1);
    EXPECT_EQ(rig.rebuilds, 1);
}

TEST(SlideshowTick, DoesNothingWhileAnyConditionFails) {
    Rig rig(3);
    rig.show.Tick();
    ASSERT_EQ(rig.display.Paths().size(), 1u);

    rig.options.m_bEnabled = 0;
    rig.show.Tick();
    rig.options.m_bEnabled = 1;
    rig.host.configVisible = true;
    rig.show.Tick();
    rig.host.configVisible = false;
    rig.host.screenSaver = true;
    rig.show.Tick();
    EXPECT_EQ(rig.display.Paths().size(), 1u);
    EXPECT_EQ(rig.options.m_nNextIndex, 1);

    // Without the pause flag the screen saver does not stop it.
    rig.options.m_bPauseOnScreenSaver = 0;
    rig.show.Tick();
    EXPECT_EQ(rig.display.Paths().back(), "p1");

    rig.options.m_images.clear();
    rig.show.Tick();
    EXPECT_EQ(rig.display.Paths().size(), 2u);
}

TEST(SlideshowTick, AnEmptyFolderRebuildsAtEveryTickAndShowsNothing) {
    Rig rig(0);
    for (int i = 0; i < 3; ++i) rig.show.Tick();
    EXPECT_EQ(rig.rebuilds, 3);
    EXPECT_TRUE(rig.display.Paths().empty());
    EXPECT_EQ(rig.options.m_nNextIndex, -1);
    EXPECT_EQ(rig.show.NextImage(), CSlideshow::kNotChosen);
}

TEST(SlideshowTick, SavedIndexContinuesAndIsWrappedWhenPastTheEnd) {
    Rig rig(5);
    rig.options.m_nNextIndex = 3;
    rig.show.RestoreNextIndex();
    rig.show.Tick();
    EXPECT_EQ(rig.display.Paths().back(), "p3");

    Rig past(5);
    past.options.m_nNextIndex = 7;
    past.show.RestoreNextIndex();
    past.show.Tick();
    EXPECT_EQ(past.display.Paths().back(), "p0");
    EXPECT_EQ(past.options.m_nNextIndex, 1);

    // -1 ("none chosen") is not taken over.
    Rig none(5);
    none.options.m_nNextIndex = -1;
    none.show.RestoreNextIndex();
    EXPECT_EQ(none.show.NextImage(), CSlideshow::kNotChosen);
}

TEST(SlideshowTick, ResetAfterAnImageListEditStartsAgainFromTheFirstPicture) {
    Rig rig(4);
    rig.TickAndCollect(3);
    rig.show.ResetDisplayList();
    EXPECT_TRUE(rig.list.IsEmpty());
    rig.show.Tick();
    EXPECT_EQ(rig.display.Paths().back(), "p0");
    EXPECT_EQ(rig.rebuilds, 2);
}

TEST(SlideshowSteps, PreviousAndNextWrapAtBothEndsAndRestartTheTimer) {
    Rig rig(3);
    rig.options.m_nInterval = 7;
    rig.show.Tick();  // shows 0
    rig.host.timerEvents.clear();
    rig.show.OnPreviousImage();
    EXPECT_EQ(rig.display.Paths().back(), "p2");
    EXPECT_EQ(rig.host.timerEvents, (std::vector<std::string>{"kill", "set"}));
    EXPECT_EQ(rig.host.timerMs, 7000u);
    rig.show.OnNextImage();
    EXPECT_EQ(rig.display.Paths().back(), "p0");
    rig.show.OnNextImage();
    rig.show.OnNextImage();
    rig.show.OnNextImage();
    EXPECT_EQ(rig.display.Paths().back(), "p0");
    EXPECT_EQ(rig.options.m_nNextIndex, 1);
}

TEST(SlideshowSteps, WhileTheConfigWindowIsOpenStepsOnlyRestartTheTimer) {
    Rig rig(3);
    rig.show.Tick();
    rig.host.configVisible = true;
    rig.host.timerEvents.clear();
    rig.show.OnNextImage();
    rig.show.OnPreviousImage();
    EXPECT_EQ(rig.display.Paths().size(), 1u);
    EXPECT_EQ(rig.host.timerEvents, (std::vector<std::string>{"kill", "set", "kill", "set"}));
}

TEST(SlideshowSteps, NextBeforeAnyPictureWasShownStartsAtTheFirst) {
    Rig rig(3);
    rig.show.OnNextImage();
    EXPECT_EQ(rig.display.Paths().back(), "p0");
    Rig back(3);
    back.show.OnPreviousImage();  // -2 wraps to the last picture
    EXPECT_EQ(back.display.Paths().back(), "p2");
}

TEST(SlideshowToggle, DisablingHidesAndStopsEnablingShowsAtOnce) {
    Rig rig(3);
    rig.show.ToggleEnabled();
    EXPECT_EQ(rig.options.m_bEnabled, 0);
    EXPECT_EQ(rig.host.trayEnabled, 0);
    EXPECT_EQ(rig.display.hides, 1);
    EXPECT_EQ(rig.host.timerEvents.back(), "kill");
    EXPECT_TRUE(rig.display.Paths().empty());

    rig.clock.tick = 123456;
    rig.show.ToggleEnabled();
    EXPECT_EQ(rig.options.m_bEnabled, 1);
    EXPECT_EQ(rig.host.trayEnabled, 1);
    EXPECT_EQ(rig.host.timerEvents.back(), "set");
    EXPECT_EQ(rig.display.reshows, 1);
    EXPECT_EQ(rig.display.Paths(), (std::vector<std::string>{"p0"}));
    EXPECT_FALSE(rig.host.modified);

    // Enabled while the configuration window is open: the timer runs, nothing is shown yet.
    rig.show.ToggleEnabled();
    rig.host.configVisible = true;
    rig.show.ToggleEnabled();
    EXPECT_EQ(rig.host.timerEvents.back(), "set");
    EXPECT_EQ(rig.display.Paths().size(), 1u);
}

TEST(SlideshowTimer, PeriodStaysWithinFiveToThousandSecondsForDamagedValues) {
    EXPECT_EQ(CSlideshow::TimerPeriodMs(30), 30000u);
    EXPECT_EQ(CSlideshow::TimerPeriodMs(5), 5000u);
    EXPECT_EQ(CSlideshow::TimerPeriodMs(1000), 1000000u);
    EXPECT_EQ(CSlideshow::TimerPeriodMs(0), 5000u);
    EXPECT_EQ(CSlideshow::TimerPeriodMs(-7), 5000u);
    EXPECT_EQ(CSlideshow::TimerPeriodMs(1001), 1000000u);
    EXPECT_EQ(CSlideshow::TimerPeriodMs(INT_MAX), 1000000u);
    EXPECT_EQ(CSlideshow::TimerPeriodMs(INT_MIN), 5000u);

    Rig rig;
    std::vector<std::string> trace;
    SetTraceSink([&](const std::string& line) { trace.push_back(line); });
    rig.options.m_nInterval = 0;
    rig.show.SetTimer();
    SetTraceSink(nullptr);
    EXPECT_EQ(rig.host.timerMs, 5000u);
    EXPECT_EQ(trace.size(), 1u);
}

TEST(SlideshowOpacity, StepsStopAtTheLimitsAndSelectTheMatchingItem) {
    Rig rig;
    rig.options.m_nOpacity = 98;
    rig.show.OnIncreaseOpacity();
    EXPECT_EQ(rig.options.m_nOpacity, 100);
    EXPECT_EQ(rig.host.opacityItem, 19);
    EXPECT_TRUE(rig.host.modified);
    EXPECT_TRUE(rig.display.setAlphas.empty());  // nothing shown, nothing to change

    rig.options.m_nOpacity = 7;
    rig.display.visible = true;
    rig.show.OnDecreaseOpacity();
    EXPECT_EQ(rig.options.m_nOpacity, 5);
    EXPECT_EQ(rig.host.opacityItem, 0);
    rig.show.OnDecreaseOpacity();
    EXPECT_EQ(rig.options.m_nOpacity, 5);
    rig.show.OnIncreaseOpacity();
    EXPECT_EQ(rig.display.setAlphas, (std::vector<int>{12, 12, 25}));

    // A damaged file's opacity comes back into range at the first step.
    rig.options.m_nOpacity = 400;
    rig.show.OnIncreaseOpacity();
    EXPECT_EQ(rig.options.m_nOpacity, 100);
    rig.options.m_nOpacity = -30;
    rig.show.OnDecreaseOpacity();
    EXPECT_EQ(rig.options.m_nOpacity, 5);
}

TEST(SlideshowRandom, GeneratorFollowsTheRuntimeSequence) {
    // The well-known first values of the C runtime's rand() after srand(1).
    CRuntimeRandom r(1);
    EXPECT_EQ(r.Next(), 41);
    EXPECT_EQ(r.Next(), 18467);
    EXPECT_EQ(r.Next(), 6334);
    EXPECT_EQ(r.Next(), 26500);
    // The state wraps at 32 bits and the result never leaves 0..32767.
    CRuntimeRandom high(0xFFFFFFFFu);
    for (int i = 0; i < 1000; ++i) {
        int v = high.Next();
        ASSERT_GE(v, 0);
        ASSERT_LE(v, 0x7FFF);
    }
}

TEST(SlideshowRandom, IndexAddsThePerformanceCounterAndNeverGoesNegative) {
    Rig rig(7);
    EXPECT_EQ(rig.show.RandomImageIndex(), 0);  // empty display list
    rig.list.Assign(Pictures(7));

    struct Case {
        uint64_t counter;
        int32_t want;
    } cases[] = {
        {0, 41 % 7},
        {0x100000005ull, 46 % 7},              // only the low 32 bits count
        {0xFFFFFF9Cull, 59 % 7},               // 41 - 100 = -59, negated
        {0x80000000ull - 41, (1u << 31) % 7},  // the most negative sum
    };
    for (const Case& c : cases) {
        rig.show.SeedRandom(1);
        rig.clock.counter = c.counter;
        EXPECT_EQ(rig.show.RandomImageIndex(), c.want) << c.counter;
    }
}

TEST(SlideshowRandom, RandomOrderDrawsEveryIndexFromTheReseededGenerator) {
    Rig rig(5);
    rig.options.m_nSequence = 1;
    rig.clock.tick = 777;
    rig.clock.counter = 3;
    rig.show.StartSlideshow();
    CRuntimeRandom expect(777);
    int first = (expect.Next() + 3) % 5;
    int second = (expect.Next() + 3) % 5;
    EXPECT_EQ(rig.display.Paths().back(), "p" + std::to_string(first));
    EXPECT_EQ(rig.options.m_nNextIndex, second);
    // Previous and next step to the neighbours, then a new draw follows.
    rig.show.OnNextImage();
    EXPECT_EQ(rig.display.Paths().back(), "p" + std::to_string((first + 1) % 5));
    EXPECT_EQ(rig.options.m_nNextIndex, (expect.Next() + 3) % 5);
}

TEST(SlideshowWorker, ShowsWithTheAlphaOfTheOpacityOnlyWhenEverythingAllows) {
    Rig rig;
    rig.options.m_nOpacity = 25;
    rig.show.OptionsChanged();
    rig.show.WorkerStep();
    EXPECT_EQ(rig.display.Alphas(), (std::vector<int>{63}));

    rig.host.configVisible = true;
    rig.show.WorkerStep();
    rig.host.configVisible = false;
    rig.host.depth = 8;
    rig.show.WorkerStep();
    rig.host.depth = 16;
    std::vector<std::string> trace;
    SetTraceSink([&](const std::string& line) { trace.push_back(line); });
    rig.options.m_nOpacity = 0;
    rig.show.OptionsChanged();
    rig.show.WorkerStep();
    SetTraceSink(nullptr);
    EXPECT_EQ(trace.size(), 1u);
    EXPECT_EQ(rig.display.Alphas().size(), 1u);

    rig.options.m_nOpacity = 100;
    rig.options.m_bEnabled = 0;
    rig.show.OptionsChanged();
    rig.show.WorkerStep();
    EXPECT_EQ(rig.display.Alphas().size(), 1u);
    rig.options.m_bEnabled = 1;
    rig.show.OptionsChanged();
    rig.show.WorkerStep();
    EXPECT_EQ(rig.display.Alphas().back(), 255);
    EXPECT_EQ(rig.display.hides, 0);
}

// A display that opens the configuration window while it renders.
class OpeningDisplay : public RecordingDisplay {
public:
    explicit OpeningDisplay(FakeHost& host) : m_host(host) {}
    bool ShowImage(int alpha) override {
        m_host.configVisible = true;
        return RecordingDisplay::ShowImage(alpha);
    }

private:
    FakeHost& m_host;
};

TEST(SlideshowWorker, HidesAPictureRenderedWhileTheWindowOpened) {
    COptionData options;
    CDisplayList list;
    FakeHost host;
    FakeClock clock;
    OpeningDisplay display(host);
    CSlideshow show(options, list, display, host, clock);
    show.OnFolderChanged();
    clock.tick = clock.tick + 6000;
    int rebuilds = 0;
    show.SetRebuild([&](const std::vector<CImageItem>&) {
        ++rebuilds;
        return Pictures(1);
    });
    show.WorkerStep();
    EXPECT_EQ(display.Alphas().size(), 1u);
    EXPECT_EQ(display.hides, 1);
    EXPECT_EQ(rebuilds, 0);  // the pending rebuild waits for a later wake-up
    EXPECT_NE(show.LastFolderChange(), 0u);
}

TEST(SlideshowWorker, FolderChangesRebuildOnlyAfterFiveQuietSeconds) {
    Rig rig(2);
    rig.clock.tick = 0xFFFFF000u;  // the tick count wraps during the wait
    rig.show.OnFolderChanged();
    rig.clock.tick = rig.clock.tick + 5000;
    rig.show.WorkerStep();
    EXPECT_EQ(rig.rebuilds, 0);
    rig.clock.tick = rig.clock.tick + 1;
    rig.show.WorkerStep();
    EXPECT_EQ(rig.rebuilds, 1);
    EXPECT_EQ(rig.show.LastFolderChange(), 0u);
    EXPECT_EQ(rig.list.Count(), 2u);
    rig.show.WorkerStep();
    EXPECT_EQ(rig.rebuilds, 1);

    // With the screen saver running (and the pause set) the worker goes back to waiting.
    rig.show.OnFolderChanged();
    rig.clock.tick = rig.clock.tick + 9000;
    rig.host.screenSaver = true;
    rig.show.WorkerStep();
    EXPECT_EQ(rig.rebuilds, 1);
    rig.host.screenSaver = false;
    rig.show.WorkerStep();
    EXPECT_EQ(rig.rebuilds, 2);

    // A notice at tick count 0 still counts as pending.
    rig.clock.tick = 0;
    rig.show.OnFolderChanged();
    EXPECT_NE(rig.show.LastFolderChange(), 0u);
}

TEST(SlideshowRebuild, ARebuildFromAnOldImageListDoesNotOverwriteAReset) {
    Rig rig(3);
    std::vector<size_t> seen;
    rig.show.SetRebuild([&](const std::vector<CImageItem>& images) {
        seen.push_back(images.size());
        if (seen.size() == 1) {
            // The user edits the image list while this rebuild scans.
            rig.options.m_images.push_back(CImageItem("C:\\new.jpg", false, false));
            rig.show.ResetDisplayList();
        }
        return Pictures(static_cast<int>(images.size()), "scan");
    });
    rig.show.OptionsChanged();
    EXPECT_TRUE(rig.show.RebuildDisplayList());
    EXPECT_TRUE(rig.list.IsEmpty());
    // The next tick rebuilds from the edited list and starts at its first picture.
    rig.show.Tick();
    EXPECT_EQ(seen, (std::vector<size_t>{1, 2}));
    EXPECT_EQ(rig.list.Count(), 2u);
    EXPECT_EQ(rig.display.Paths().back(), "scan0");
}

TEST(SlideshowRebuild, ASecondRebuildReturnsAtOnceAndANoticeDuringARebuildStaysPending) {
    Rig rig(3);
    bool inner = true;
    rig.show.SetRebuild([&](const std::vector<CImageItem>&) {
        inner = rig.show.RebuildDisplayList();
        rig.show.OnFolderChanged();  // a folder changes while the scan runs
        return Pictures(3);
    });
    EXPECT_TRUE(rig.show.RebuildDisplayList());
    EXPECT_FALSE(inner);
    EXPECT_NE(rig.show.LastFolderChange(), 0u);

    // A throwing rebuild leaves an empty list and the next one can run.
    rig.show.SetRebuild([](const std::vector<CImageItem>&) -> std::vector<std::string> { throw 1; });
    SetTraceSink([](const std::string&) {});
    EXPECT_TRUE(rig.show.RebuildDisplayList());
    SetTraceSink(nullptr);
    EXPECT_TRUE(rig.list.IsEmpty());
    rig.show.SetRebuild([](const std::vector<CImageItem>&) { return Pictures(2); });
    EXPECT_TRUE(rig.show.RebuildDisplayList());
    EXPECT_EQ(rig.list.Count(), 2u);
}

template <class Pred>
bool WaitUntil(Pred pred) {
    auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!pred()) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

TEST(SlideshowThreads, TheWorkerShowsWhatTheTickHandedOverAndStops) {
    Rig rig(3);
    ASSERT_TRUE(rig.show.StartWorker());
    ASSERT_TRUE(rig.show.IsWorkerRunning());
    rig.show.Tick();
    ASSERT_TRUE(WaitUntil([&] { return rig.display.Shown().size() == 1; }));
    EXPECT_EQ(rig.display.Shown()[0], "p0");
    rig.show.StopWorker();
    EXPECT_FALSE(rig.show.IsWorkerRunning());
}

// The worker rebuilds the list (of changing length) while the UI thread ticks, steps,
// toggles and changes the opacity. Every path handed over must come whole from one list.
TEST(SlideshowThreads, TickAndWorkerRebuildShareTheListSoundly) {
    Rig rig(0);
    std::atomic<int> generation{0};
    rig.show.SetRebuild([&](const std::vector<CImageItem>&) {
        int g = ++generation;
        return Pictures(1 + g % 17, "g" + std::to_string(g) + "_");
    });
    ASSERT_TRUE(rig.show.StartWorker());
    for (int i = 0; i < 3000; ++i) {
        rig.clock.tick = rig.clock.tick + 2000;
        if (i % 3 == 0) rig.show.OnFolderChanged();
        switch (i % 7) {
            case 0:
                rig.show.OnNextImage();
                break;
            case 1:
                rig.show.OnPreviousImage();
                break;
            case 2:
                rig.show.OnIncreaseOpacity();
                break;
            case 3:
                rig.show.OnDecreaseOpacity();
                break;
            case 4:
                rig.show.ToggleEnabled();
                rig.show.ToggleEnabled();
                break;
            default:
                rig.show.Tick();
                break;
        }
        if (i % 500 == 0) rig.show.ResetDisplayList();
        rig.host.configVisible = (i % 50) == 0;
    }
    rig.show.StopWorker();
    ASSERT_GT(generation.load(), 1);
    std::vector<std::string> paths = rig.display.Paths();
    ASSERT_FALSE(paths.empty());
    for (const std::string& p : paths) {
        // "g<generation>_<index>" with the index inside that generation's list.
        size_t sep = p.find('_');
        ASSERT_NE(sep, std::string::npos) << p;
        int g = std::stoi(p.substr(1, sep - 1));
        int index = std::stoi(p.substr(sep + 1));
        EXPECT_LT(index, 1 + g % 17) << p;
    }
}

// A call on an unreachable network share that does not return until the test lets it, at
// its end, so that every thread still ends before the objects go.
class Gate {
public:
    void Pass() {
        std::unique_lock<std::mutex> lock(m_m);
        ++m_callers;
        m_cv.notify_all();
        m_cv.wait(lock, [this] { return m_open; });
    }
    bool WaitForCaller() {
        std::unique_lock<std::mutex> lock(m_m);
        return m_cv.wait_for(lock, std::chrono::seconds(5), [this] { return m_callers > 0; });
    }
    void Open() {
        std::lock_guard<std::mutex> lock(m_m);
        m_open = true;
        m_cv.notify_all();
    }

private:
    std::mutex m_m;
    std::condition_variable m_cv;
    int m_callers = 0;
    bool m_open = false;
};

// Change notifications whose set-up passes the gate (when given); the stop signals are events.
class GatedNotifier : public IChangeNotifier {
public:
    explicit GatedNotifier(Gate* watch) : m_watch(watch) {}
    Handle NewStopSignal() override { return new Event(true, false); }
    void SetStop(Handle stop) override { static_cast<Event*>(stop)->Set(); }
    void ResetStop(Handle stop) override { static_cast<Event*>(stop)->Reset(); }
    void CloseStop(Handle stop) override { delete static_cast<Event*>(stop); }
    Handle Watch(const std::string&, bool) override {
        if (m_watch) m_watch->Pass();
        return this;
    }
    bool Rearm(Handle) override { return true; }
    void Close(Handle) override {}
    int Wait(Handle stop, const std::vector<Handle>&) override {
        static_cast<Event*>(stop)->Wait();
        return kStopped;
    }

private:
    Gate* m_watch;
};

class GatedSearch : public IDirectorySearch {
public:
    explicit GatedSearch(Gate& gate) : m_gate(gate) {}
    bool Find(const std::string&, const std::function<bool(const std::string&, bool)>&) override {
        m_gate.Pass();
        return false;
    }
    std::string FullPath(const std::string& path) override { return path; }

private:
    Gate& m_gate;
};

// Runs the shutdown on a thread of its own: true when it ended within 3 s, with its answer.
bool StopsInTime(CSlideshow& show, CFolderWatcher& watcher, std::thread& stopper, bool& stopped) {
    auto done = std::make_shared<std::atomic<bool>>(false);
    stopper = std::thread([&show, &watcher, &stopped, done] {
        stopped = StopBackgroundThreads(show, watcher, 2000);
        *done = true;
    });
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    while (!*done && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return *done;
}

TEST(SlideshowShutdown, EndsInTimeWhileTheWorkerHangsInAFolderScan) {
    Gate scan;
    GatedNotifier notifier(nullptr);
    CFolderWatcher watcher(notifier);
    GatedSearch search(scan);
    CDisplayListRebuild rebuild(search, &watcher);
    std::thread stopper;
    {
        Rig rig;
        rig.options.m_images = {CImageItem("\\\\server\\pics", true, true)};
        rig.show.OptionsChanged();
        rig.show.SetRebuild([&rebuild](const std::vector<CImageItem>& images) { return rebuild.BuildPaths(images); });
        rig.list.Assign(Pictures(2));
        ASSERT_TRUE(rig.show.StartWorker());
        // A folder change that has been quiet long enough: the worker rebuilds after showing.
        rig.show.OnFolderChanged();
        rig.clock.tick += 6000;
        rig.show.Tick();
        ASSERT_TRUE(scan.WaitForCaller());

        bool stopped = true;
        const bool inTime = StopsInTime(rig.show, watcher, stopper, stopped);
        EXPECT_TRUE(inTime);
        if (!inTime) scan.Open();  // so that a stop that waits for ever still ends
        stopper.join();
        EXPECT_FALSE(stopped);
        EXPECT_TRUE(rig.show.IsWorkerRunning());

        // Once the share answers, everything ends as usual.
        scan.Open();
        EXPECT_TRUE(StopsInTime(rig.show, watcher, stopper, stopped));
        stopper.join();
        EXPECT_TRUE(stopped);
        EXPECT_FALSE(watcher.IsWatching());
    }
}

TEST(SlideshowShutdown, EndsInTimeWhileTheWatcherHangsInAChangeNotification) {
    Gate watch;
    GatedNotifier notifier(&watch);
    CFolderWatcher watcher(notifier);
    watcher.AddFolder("\\\\server\\pics");
    watcher.Start();
    ASSERT_TRUE(watch.WaitForCaller());
    std::thread stopper;
    {
        Rig rig;
        ASSERT_TRUE(rig.show.StartWorker());
        bool stopped = true;
        const bool inTime = StopsInTime(rig.show, watcher, stopper, stopped);
        EXPECT_TRUE(inTime);
        if (!inTime) watch.Open();
        stopper.join();
        EXPECT_FALSE(stopped);
        EXPECT_FALSE(rig.show.IsWorkerRunning());
        EXPECT_TRUE(watcher.IsWatching());
    }
    watch.Open();
    watcher.Stop();
    EXPECT_FALSE(watcher.IsWatching());
}

}  // namespace
