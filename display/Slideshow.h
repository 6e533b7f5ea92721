// The slideshow clock and its picture worker. The UI thread runs the tick and the
// commands; one worker thread at the lowest priority, woken by an auto-reset event, has
// the picture rendered by the display window.
//
// Shared with the worker: the display list (locked, replaced whole), the image list
// snapshot used by a rebuild on the worker (locked), and the flags (atomics). The option
// data itself belongs to the UI thread; OptionsChanged() hands the worker what it reads.
#pragma once
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/Clock.h"
#include "base/Random.h"
#include "base/Sync.h"
#include "display/ImageDisplay.h"
#include "imagelist/DisplayList.h"
#include "imagelist/Watch.h"
#include "settings/OptionData.h"

// What the slideshow asks of the system: the screen saver, the colour depth and its timer.
class ISlideshowSystem {
public:
    virtual ~ISlideshowSystem() = default;
    // Any thread. False also when the system cannot tell.
    virtual bool IsScreenSaverRunning() const = 0;
    virtual int DesktopColorDepth() const = 0;
    // UI thread only.
    virtual void SetSlideshowTimer(uint32_t periodMs) = 0;
    virtual void KillSlideshowTimer() = 0;
};

// The window that owns the slideshow: whether it covers the pictures, and what follows the
// slideshow's state (the tray icon, the opacity control, the modified flag).
class ISlideshowOwner {
public:
    virtual ~ISlideshowOwner() = default;
    // Any thread.
    virtual bool IsConfigWindowVisible() const = 0;
    // UI thread only; the options already hold the new value.
    virtual void EnabledChanged(bool enabled) = 0;
    virtual void OpacityChanged(int32_t opacity) = 0;
};

class CSlideshow {
public:
    static constexpr int32_t kNotChosen = -10000;
    static constexpr int32_t kMinInterval = 5;
    static constexpr int32_t kMaxInterval = 1000;
    static constexpr uint32_t kFolderQuietMs = 5000;

    // Builds the display list from an image list; may run on either thread.
    using RebuildFn = std::function<std::vector<std::string>(const std::vector<CImageItem>& images)>;

    CSlideshow(COptionData& options, CDisplayList& list, IImageDisplay& display, ISlideshowSystem& system,
               ISlideshowOwner& owner, IClock& clock);
    ~CSlideshow();  // stops the worker
    CSlideshow(const CSlideshow&) = delete;
    CSlideshow& operator=(const CSlideshow&) = delete;

    void SetRebuild(RebuildFn rebuild);
    // Called on the worker when a rebuild a tick asked for has ended; it brings the UI
    // thread to OnRebuildEnded (a posted message that carries nothing).
    void SetRebuildEnded(std::function<void()> post);

    // Start-up: creates the event and starts the worker. False when the event cannot be made.
    bool StartWorker();
    // Wakes the worker and waits for its end, at most timeoutMs; the destructor calls it.
    // False when the worker is still inside a call (a folder scan on an unreachable share).
    bool StopWorker(uint32_t timeoutMs = Event::kInfinite);
    bool IsWorkerRunning() const { return m_worker.IsRunning(); }

    // After the option data changed on the UI thread (loaded, edited, reloaded).
    void OptionsChanged();
    // Start-up: a saved next index of 0 or more is where the slideshow goes on.
    void RestoreNextIndex();

    // The timer period for m_nInterval seconds. A damaged settings file can hold any
    // number; the period stays within 5..1000 s.
    static uint32_t TimerPeriodMs(int32_t intervalSeconds);
    void SetTimer();

    // With an empty display list and a running worker, the worker builds the list: the
    // user-interface thread never reads folders. The ticks and steps given meanwhile run
    // in their order when it has ended.
    void Tick();
    void OnRebuildEnded();
    void StartSlideshow();
    void ToggleEnabled();
    void OnPreviousImage();
    void OnNextImage();
    void OnIncreaseOpacity();
    void OnDecreaseOpacity();
    void OnFolderChanged();
    // Another program came to the front: step aside if it is full screen where the pictures
    // are, come back if the slideshow stepped aside for the one before.
    void OnForegroundChanged();
    int32_t RandomImageIndex();
    static int AlphaFromOpacity(int32_t opacity) { return opacity * 255 / 100; }

    // An edit of the image list: the next tick rebuilds and starts from the beginning.
    void ResetDisplayList();
    // Rebuilds the display list unless a rebuild already runs (then false).
    bool RebuildDisplayList();

    // One pass of the worker after a wake-up; public so that tests can step it.
    void WorkerStep();

    int32_t NextImage() const { return m_nNextImage; }
    int32_t CurrentImage() const { return m_nCurrentImage; }
    void SetNextImage(int32_t index) { m_nNextImage = index; }
    uint32_t LastFolderChange() const { return m_lastFolderChange.load(); }
    void SeedRandom(uint32_t seed) { m_random.Seed(seed); }
    void* EventHandle() const { return m_event ? m_event->NativeHandle() : nullptr; }

private:
    void Tick(bool mayRebuild);
    void Step(int8_t by);
    // True when the tick (0) or step waits for the worker's list.
    bool WaitForWorkerList(int8_t step);
    void WorkerLoop();
    // Pauses like the screen saver, and hides the pictures, while a full-screen program is in front.
    bool StepAsideForFullScreen();
    void ApplyFadeTime();

    COptionData& m_options;
    CDisplayList& m_list;
    IImageDisplay& m_display;
    ISlideshowSystem& m_system;
    ISlideshowOwner& m_owner;
    IClock& m_clock;
    RebuildFn m_rebuild;
    std::function<void()> m_rebuildEnded;
    CRuntimeRandom m_random;

    // UI thread only.
    int32_t m_nNextImage = kNotChosen;
    int32_t m_nCurrentImage = -1;
    std::vector<int8_t> m_waiting;  // ticks (0) and steps (-1, +1) waiting for the list
    uint64_t m_askedGeneration = 0;

    // Read by the worker.
    std::atomic<bool> m_enabled{true};
    std::atomic<int32_t> m_opacity{25};
    std::atomic<bool> m_pauseOnScreenSaver{true};
    std::atomic<uint32_t> m_lastFolderChange{0};
    std::atomic<bool> m_rebuilding{false};
    std::atomic<uint32_t> m_rebuildsAsked{0};
    std::atomic<uint32_t> m_rebuildsServed{0};
    std::atomic<bool> m_showWanted{false};
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_steppedAside{false};

    // The image list as a rebuild on the worker sees it, and the generation of the display
    // list, so that a rebuild from an old image list never replaces a newer reset.
    Mutex m_imagesLock;
    std::vector<CImageItem> m_images;
    uint64_t m_listGeneration = 0;

    std::unique_ptr<Event> m_event;
    Thread m_worker;
};

// The slideshow's five actions, each started by its command and by the hotkey of its slot
// (kHotKeyIds). The hotkeys of the two picture steps leave WM_HOTKEY to default processing too.
struct SlideshowAction {
    unsigned command;
    int hotKey;
    void (CSlideshow::*run)();
    bool hotKeyHandled;
};
extern const SlideshowAction kSlideshowActions[COptionData::kUsedHotKeys];
// Null for an id that is none of the five.
const SlideshowAction* SlideshowActionOfHotKey(int id);

// At the end of the run: the worker, then the folder watcher's threads, within timeoutMs
// together. False when one of them is still inside a call that does not return (a folder
// on an unreachable share); what it uses must then never be freed.
bool StopBackgroundThreads(CSlideshow& slideshow, CFolderWatcher& watcher, uint32_t timeoutMs);
