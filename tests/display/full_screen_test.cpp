#include <gtest/gtest.h>

#include <string>

#include "display/FullScreen.h"
#include "display/Slideshow.h"

namespace {

const CScreenRect kLeft{-1280, 0, 0, 1024}, kMain{0, 0, 1920, 1080};

CForegroundFacts Borderless(const CScreenRect& window, const CScreenRect& monitor = kMain) {
    CForegroundFacts f;
    f.present = true;
    f.className = "GameWindow";
    f.window = window;
    f.windowMonitor = monitor;
    f.picturesMonitor = kMain;
    return f;
}

}  // namespace

TEST(FullScreen, OnlyACaptionlessWindowOverTheWholeMonitorOfThePicturesCounts) {
    EXPECT_TRUE(IsFullScreenInFront(Borderless(kMain)));
    EXPECT_TRUE(IsFullScreenInFront(Borderless({-8, -8, 1928, 1088})));  // larger than the monitor

    CForegroundFacts maximised = Borderless(kMain);  // taskbar hidden: the work area is the monitor
    maximised.caption = true;
    EXPECT_FALSE(IsFullScreenInFront(maximised));
    EXPECT_FALSE(IsFullScreenInFront(Borderless({0, 0, 1920, 1040})));  // the work area only
    EXPECT_FALSE(IsFullScreenInFront(Borderless(kLeft, kLeft)));        // a film on the other monitor
    for (const char* shell : {"Progman", "WorkerW", "Shell_TrayWnd"}) {
        CForegroundFacts desktop = Borderless(kMain);
        desktop.className = shell;
        EXPECT_FALSE(IsFullScreenInFront(desktop)) << shell;
    }
    EXPECT_FALSE(IsFullScreenInFront(CForegroundFacts()));

    // Where the shell can tell, its word holds, but only for the monitor of the pictures.
    CForegroundFacts presentation = maximised;
    presentation.notificationState = kNotifyPresentation;
    EXPECT_TRUE(IsFullScreenInFront(presentation));
    CForegroundFacts elsewhere = Borderless({-1280, 0, -200, 700}, kLeft);
    elsewhere.notificationState = kNotifyDirect3DFullScreen;
    EXPECT_FALSE(IsFullScreenInFront(elsewhere));
}

namespace {

class FakeClock : public IClock {
public:
    int LocalDayOfMonth() const override { return 1; }
    uint32_t TickCount() const override { return 1000; }
    uint64_t PerformanceCounter() const override { return 0; }
};

// A display that a full-screen program may cover, and the window that owns the slideshow.
class CoveredDisplay : public IImageDisplay, public ISlideshowSystem, public ISlideshowOwner {
public:
    void SetImagePath(const std::string& path) override { calls += path + " "; }
    bool ShowImage(int) override { return calls += "show ", true; }
    void ReShow() override { calls += "reshow "; }
    void SetAlpha(int) override {}
    void SetSizeMode(int) override {}
    void SetRegion(const CDisplayRegion&) override {}
    void Hide() override { calls += "hide "; }
    bool IsVisible() const override { return false; }
    bool IsCoveredByFullScreen() const override { return covered; }
    void SetForegroundListener(std::function<void()> l) override { listener = std::move(l); }

    bool IsConfigWindowVisible() const override { return false; }
    bool IsScreenSaverRunning() const override { return false; }
    int DesktopColorDepth() const override { return 32; }
    void SetSlideshowTimer(uint32_t) override {}
    void KillSlideshowTimer() override {}
    void EnabledChanged(bool) override {}
    void OpacityChanged(int32_t) override {}

    bool covered = false;
    std::string calls;
    std::function<void()> listener;
};

}  // namespace

TEST(FullScreen, SlideshowStepsAsideWhileCoveredAndComesBackWhenTheProgramGoes) {
    COptionData options;
    options.m_images.push_back(CImageItem("C:\\pics", true, true));
    CDisplayList list;
    CoveredDisplay d;
    FakeClock clock;
    {
        CSlideshow show(options, list, d, d, d, clock);
        show.SetRebuild([](const std::vector<CImageItem>&) { return std::vector<std::string>{"a", "b", "c"}; });
        ASSERT_TRUE(d.listener);
        show.Tick();
        d.covered = true;
        d.listener();  // the game comes to the front
        show.Tick();
        show.Tick();
        show.WorkerStep();  // a picture rendered just as it came: hidden again
        EXPECT_EQ(options.m_nNextIndex, 1);
        EXPECT_EQ(d.calls, "a hide hide hide show hide ");
        d.calls.clear();
        d.covered = false;
        d.listener();  // it ended: the same picture comes back at once, once
        d.listener();
        show.Tick();
        EXPECT_EQ(d.calls, "reshow b ");

        // Without the pause preference, a full-screen program changes nothing.
        options.m_bPauseOnScreenSaver = 0;
        show.OptionsChanged();
        d.covered = true;
        d.calls.clear();
        d.listener();
        show.Tick();
        EXPECT_EQ(d.calls, "c ");
    }
    EXPECT_FALSE(d.listener);  // no call reaches a slideshow that is gone
}
