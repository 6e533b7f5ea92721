#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "base/Clock.h"
#include "display/Slideshow.h"

namespace {
class NullDisplay : public IImageDisplay {
public:
    void SetImagePath(const std::string&) override {}
    bool ShowImage(int) override { return true; }
    void ReShow() override {}
    void SetAlpha(int) override {}
    void SetSizeMode(int) override {}
    void SetRegion(const CDisplayRegion&) override {}
    void Hide() override {}
    bool IsVisible() const override { return false; }
};

// Counts the worker's passes: each one asks first whether the configuration window is open.
class CountingHost : public ISlideshowSystem, public ISlideshowOwner {
public:
    bool IsConfigWindowVisible() const override {
        InterlockedIncrement(&passes);
        return true;
    }
    bool IsScreenSaverRunning() const override { return false; }
    int DesktopColorDepth() const override { return 32; }
    void SetSlideshowTimer(uint32_t) override {}
    void KillSlideshowTimer() override {}
    void EnabledChanged(bool) override {}
    void OpacityChanged(int32_t) override {}
    mutable volatile LONG passes = 0;
};
}  // namespace

// Another program may hold the name the worker's event once had, as another kind of object
// or as an event left signalled for good.
TEST(WinSlideshowWorker, ItsEventIsNotReachableByAName) {
    COptionData options;
    CDisplayList list;
    NullDisplay display;
    HANDLE foreign = CreateMutexA(nullptr, FALSE, "ImageProcess");
    ASSERT_NE(foreign, nullptr);
    {
        CountingHost host;
        CSlideshow slideshow(options, list, display, host, host, SystemClock());
        EXPECT_TRUE(slideshow.StartWorker());
        EXPECT_TRUE(slideshow.IsWorkerRunning());
    }
    CloseHandle(foreign);

    HANDLE stuck = CreateEventA(nullptr, TRUE, TRUE, "ImageProcess");
    ASSERT_NE(stuck, nullptr);
    {
        CountingHost host;
        CSlideshow slideshow(options, list, display, host, host, SystemClock());
        ASSERT_TRUE(slideshow.StartWorker());
        Sleep(300);
        EXPECT_EQ(host.passes, 0) << "the worker woke without a tick";
    }
    CloseHandle(stuck);
}
