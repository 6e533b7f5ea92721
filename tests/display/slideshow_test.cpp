#include <gtest/gtest.h>

#include <atomic>
#include <climits>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "display/Slideshow.h"
#include "imagelist/Watch.h"
#include "tests/imagelist/FakeNotifier.h"
#include "settings/HotKey.h"
#include "tests/support/TraceCapture.h"

namespace {

class FakeClock : public IClock {
public:
    int LocalDayOfMonth() const override { return 1; }
    uint32_t TickCount() const override { return tick; }
    uint64_t PerformanceCounter() const override { return 0; }
    std::atomic<uint32_t> tick{1000};
};

// The window that owns the slideshow and the display it shows on, recording what they are
// asked as text ("p0 p1 "); the display's calls come from both threads.
class FakeWindow : public ISlideshowSystem, public ISlideshowOwner, public IImageDisplay {
public:
    bool IsConfigWindowVisible() const override { return configVisible; }
    bool IsScreenSaverRunning() const override { return false; }
    int DesktopColorDepth() const override { return 32; }
    void SetSlideshowTimer(uint32_t periodMs) override { timerMs = periodMs; }
    void KillSlideshowTimer() override { timerMs = 0; }
    void EnabledChanged(bool) override {}
    void OpacityChanged(int32_t opacity) override { shownOpacity = opacity; }

    void SetImagePath(const std::string& path) override {
        LockGuard lock(m_lock);
        m_last = path;
        m_paths += path + " ";
    }
    bool ShowImage(int) override { return true; }
    void ReShow() override {}
    void SetAlpha(int) override {}
    void SetSizeMode(int) override {}
    void SetRegion(const CDisplayRegion&) override {}
    void Hide() override {}
    bool IsVisible() const override { return false; }
    void SetFadeTime(uint32_t) override {}
    bool IsCoveredByFullScreen() const override { return false; }
    void SetForegroundListener(std::function<void()>) override {}
    void EndFade() override { fadesEndedAt += Locked(m_last) + " "; }

    std::string Paths() { return Locked(m_paths); }

    std::atomic<bool> configVisible{false};
    uint32_t timerMs = 0;
    std::string fadesEndedAt;
    int shownOpacity = -1;

private:
    std::string Locked(const std::string& s) {
        LockGuard lock(m_lock);
        return s;
    }
    Mutex m_lock;
    std::string m_paths, m_last;
};

std::vector<std::string> Pictures(int n, const std::string& prefix = "p") {
    std::vector<std::string> v;
    for (int i = 0; i < n; ++i) v.push_back(prefix + std::to_string(i));
    return v;
}

// A slideshow over n pictures (the rebuild answers with them) in list order.
struct Rig {
    explicit Rig(int n = 3) : pictures(n) {
        options.m_images.push_back(CImageItem("C:\\pics", true, true));
        show.SetRebuild([this](const std::vector<CImageItem>&) {
            ++rebuilds;
            return Pictures(pictures);
        });
    }

    COptionData options;
    CDisplayList list;
    FakeWindow w;
    FakeClock clock;
    CSlideshow show{options, list, w, w, w, clock};
    int pictures;
    std::atomic<int> rebuilds{0};
};

TEST(SlideshowSteps, PreviousAndNextWrapAtBothEnds) {
    Rig rig(3);
    rig.show.Tick();
    rig.show.OnPreviousImage();
    for (int i = 0; i < 4; ++i) rig.show.OnNextImage();
    EXPECT_EQ(rig.w.Paths(), "p0 p2 p0 p1 p2 p0 ");
    EXPECT_EQ(rig.options.m_nNextIndex, 1);
}

TEST(SlideshowFade, NextOrPreviousEndAFadeFirst) {
    Rig rig(3);
    rig.show.Tick();
    rig.show.Tick();  // p1 fading in
    rig.show.OnNextImage();
    rig.show.OnPreviousImage();
    EXPECT_EQ(rig.w.fadesEndedAt, "p1 p2 ");
    EXPECT_EQ(rig.w.Paths(), "p0 p1 p2 p1 ");
}

TEST(SlideshowTimer, PeriodStaysWithinFiveToThousandSecondsForDamagedValues) {
    const int32_t seconds[] = {5, 1000, 4, 1001, INT_MIN};
    const uint32_t want[] = {5000, 1000000, 5000, 1000000, 5000};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(CSlideshow::TimerPeriodMs(seconds[i]), want[i]) << seconds[i];
    Rig rig;
    TraceCapture quiet;
    rig.options.m_nInterval = 0;
    rig.show.SetTimer();
    EXPECT_EQ(rig.w.timerMs, 5000u);
}

TEST(SlideshowOpacity, StepsStopAtTheLimitsAndTellTheOwner) {
    Rig rig;
    rig.options.m_nOpacity = 98;
    rig.show.OnIncreaseOpacity();
    EXPECT_EQ(rig.w.shownOpacity, 100);
    rig.options.m_nOpacity = 7;
    rig.show.OnDecreaseOpacity();
    rig.show.OnDecreaseOpacity();
    EXPECT_EQ(rig.w.shownOpacity, 5);
}

// The slots are those of the preferences and of the tray menu's hotkey texts.
TEST(SlideshowActions, EachHotKeySlotRunsTheActionOfItsCommand) {
    Rig rig;
    auto press = [&rig](int slot) {
        const SlideshowAction* action = SlideshowActionOfHotKey(kHotKeyIds[slot]);
        ASSERT_NE(action, nullptr) << slot;
        (rig.show.*action->run)();
    };
    rig.options.m_nOpacity = 50;
    press(1);
    EXPECT_EQ(rig.options.m_nOpacity, 55);
    press(2);
    press(2);
    EXPECT_EQ(rig.options.m_nOpacity, 45);
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
    rig.show.WorkerStep();
    EXPECT_EQ(rig.rebuilds, 1);
    EXPECT_EQ(rig.show.LastFolderChange(), 0u);
    EXPECT_EQ(rig.list.Count(), 2u);
}

TEST(SlideshowRebuild, ARebuildFromAnOldImageListDoesNotOverwriteAReset) {
    Rig rig(3);
    std::string seen;
    rig.show.SetRebuild([&](const std::vector<CImageItem>& images) {
        seen += std::to_string(images.size());
        if (seen.size() == 1) {  // the user edits the image list while this rebuild scans
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
    EXPECT_EQ(rig.w.Paths(), "scan0 ");
    EXPECT_EQ(seen, "12");
    EXPECT_EQ(rig.list.Count(), 2u);
}

// A folder on a share that does not answer: the user-interface thread never waits for it.
// The tick and the steps given meanwhile run in their order once the list is there.
TEST(SlideshowRebuild, TheWorkerBuildsAnEmptyListAndWhatWaitedRunsInOrderWhenItEnds) {
    Rig rig(5);
    Event release(true, false), ended(false, false);
    std::atomic<bool> onUiThread{false};
    const std::thread::id ui = std::this_thread::get_id();
    rig.show.SetRebuild([&](const std::vector<CImageItem>&) {
        if (std::this_thread::get_id() == ui) onUiThread = true;
        release.Wait(5000);
        ++rig.rebuilds;
        return Pictures(rig.pictures);
    });
    rig.show.SetRebuildEnded([&ended] { ended.Set(); });
    ASSERT_TRUE(rig.show.StartWorker());
    rig.show.StartSlideshow();
    for (void (CSlideshow::*step)() : {&CSlideshow::OnNextImage, &CSlideshow::OnNextImage, &CSlideshow::Tick,
                                       &CSlideshow::Tick, &CSlideshow::OnPreviousImage, &CSlideshow::OnNextImage})
        (rig.show.*step)();
    rig.show.OnRebuildEnded();  // posted by another program before the list is there
    EXPECT_EQ(rig.w.Paths(), "");
    release.Set();
    ASSERT_TRUE(ended.Wait(5000));
    rig.show.OnRebuildEnded();
    // The two ticks in a row are one: the timer's ticks while it waited do not pile up.
    EXPECT_EQ(rig.w.Paths(), "p0 p1 p2 p3 p2 p3 ");
    EXPECT_EQ(rig.options.m_nNextIndex, 4);
    EXPECT_FALSE(onUiThread.load());
    rig.show.OnRebuildEnded();
    EXPECT_EQ(rig.w.Paths(), "p0 p1 p2 p3 p2 p3 ");

    // A folder with no pictures is read once per tick, not again as each read ends.
    rig.pictures = 0;
    rig.show.ResetDisplayList();
    rig.show.Tick();
    ASSERT_TRUE(ended.Wait(5000));
    rig.show.OnRebuildEnded();
    EXPECT_FALSE(ended.Wait(300));
    EXPECT_TRUE(rig.show.StopWorker(5000));
    EXPECT_EQ(rig.rebuilds, 2);
    EXPECT_EQ(rig.w.Paths(), "p0 p1 p2 p3 p2 p3 ");
}

// The user confirms the configuration window while a rebuild scans on the worker. The two
// threads meet through relaxed flags only, so that only the slideshow's own locks order
// their use of the image list (what ThreadSanitizer checks).
TEST(SlideshowThreads, OptionsChangeWhileTheWorkerRebuilds) {
    Rig rig(0);
    std::atomic<bool> scanning{false}, done{false};
    rig.show.SetRebuild([&](const std::vector<CImageItem>&) {
        scanning.store(true, std::memory_order_relaxed);
        while (!done.load(std::memory_order_relaxed)) SleepMs(1);
        return Pictures(2);
    });
    Thread worker;
    ASSERT_TRUE(worker.Start([&] { rig.show.RebuildDisplayList(); }));
    while (!scanning.load(std::memory_order_relaxed)) SleepMs(1);
    rig.options.m_images.push_back(CImageItem("C:\\more", true, true));
    rig.show.OptionsChanged();
    done.store(true, std::memory_order_relaxed);
    worker.Join();
    EXPECT_EQ(rig.list.Count(), 2u);  // an edit without a reset keeps what the scan found
}

// The worker rebuilds the list (of changing length) while the UI thread ticks, steps and
// edits; ThreadSanitizer checks that they share the list
// only under its lock.
TEST(SlideshowThreads, TickAndWorkerRebuildShareTheListSoundly) {
    Rig rig(0);
    std::atomic<int> generation{0};
    rig.show.SetRebuild([&](const std::vector<CImageItem>&) {
        const int g = ++generation;
        return Pictures(1 + g % 17, "g" + std::to_string(g) + "_");
    });
    const std::function<void()> actions[] = {
        [&] { rig.show.OnNextImage(); },
        [&] { rig.show.OnPreviousImage(); },
        [&] { rig.show.OptionsChanged(); },
        [&] { rig.show.Tick(); },
    };
    ASSERT_TRUE(rig.show.StartWorker());
    for (int i = 0; i < 3000; ++i) {
        rig.clock.tick = rig.clock.tick + 2000;
        if (i % 3 == 0) rig.show.OnFolderChanged();
        actions[i % 4]();
        if (i % 500 == 0) rig.show.ResetDisplayList();
        rig.w.configVisible = (i % 50) == 0;
    }
    rig.show.StopWorker();
    EXPECT_GT(generation.load(), 1);
}

// A watcher stuck on an unreachable network share until the test lets it go, so that every
// thread still ends before the objects go.
TEST(SlideshowShutdown, EndsInTimeWhileTheWatcherHangsInAChangeNotification) {
    Event called(true, false), open(true, false);
    FakeNotifier notifier;
    notifier.onWatch = [&called, &open] {
        called.Set();
        open.Wait();
    };
    CFolderWatcher watcher(notifier);
    watcher.AddFolder("\\\\server\\pics");
    watcher.Start();
    ASSERT_TRUE(called.Wait(5000));
    {
        Rig rig;
        ASSERT_TRUE(rig.show.StartWorker());
        Event done(true, false);
        bool stopped = true;
        std::thread stopper([&] {
            stopped = StopBackgroundThreads(rig.show, watcher, 2000);
            done.Set();
        });
        EXPECT_TRUE(done.Wait(3000));
        open.Set();
        stopper.join();
        EXPECT_FALSE(stopped);
    }
    watcher.Stop();
}

}  // namespace
