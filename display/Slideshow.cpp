#include "display/Slideshow.h"

#include "base/Trace.h"
#include "res/VelumIds.h"
#include "settings/HotKey.h"
#include "display/Fade.h"

const SlideshowAction kSlideshowActions[COptionData::kUsedHotKeys] = {
    {ID_TOGGLE_ENABLED, kHotKeyIds[0], &CSlideshow::ToggleEnabled, true},
    {ID_INCREASE_OPACITY, kHotKeyIds[1], &CSlideshow::OnIncreaseOpacity, true},
    {ID_DECREASE_OPACITY, kHotKeyIds[2], &CSlideshow::OnDecreaseOpacity, true},
    {ID_PREVIOUS_IMAGE, kHotKeyIds[3], &CSlideshow::OnPreviousImage, false},
    {ID_NEXT_IMAGE, kHotKeyIds[4], &CSlideshow::OnNextImage, false},
};

const SlideshowAction* SlideshowActionOfHotKey(int id) {
    for (const SlideshowAction& action : kSlideshowActions)
        if (action.hotKey == id) return &action;
    return nullptr;
}

CSlideshow::CSlideshow(COptionData& options, CDisplayList& list, IImageDisplay& display, ISlideshowSystem& system,
                       ISlideshowOwner& owner, IClock& clock)
    : m_options(options),
      m_list(list),
      m_display(display),
      m_system(system),
      m_owner(owner),
      m_clock(clock),
      m_random(clock.TickCount()) {
    OptionsChanged();
    m_display.SetForegroundListener([this] { OnForegroundChanged(); });
}

// The display window outlives the slideshow: it is made first.
CSlideshow::~CSlideshow() {
    m_display.SetForegroundListener(nullptr);
    StopWorker();
}

void CSlideshow::SetRebuild(RebuildFn rebuild) {
    m_rebuild = std::move(rebuild);
}

void CSlideshow::SetRebuildEnded(std::function<void()> post) {
    m_rebuildEnded = std::move(post);
}

bool CSlideshow::StartWorker() {
    if (m_worker.IsRunning()) return true;
    // Unnamed: nothing opens it by name, and a name lets any program take or signal it.
    m_event.reset(new Event(false, false));
    if (!m_event->IsValid()) {
        VL_TRACE();
        return false;
    }
    m_stop = false;
    // Its result is not examined: a worker that did not start only means no pictures.
    if (!m_worker.Start([this] { WorkerLoop(); }, Thread::Priority::Lowest)) VL_TRACE();
    return true;
}

bool CSlideshow::StopWorker(uint32_t timeoutMs) {
    // The worker touches this object, so it has to end before the object does.
    if (!m_event) return true;
    m_stop = true;
    m_event->Set();
    return m_worker.Join(timeoutMs);
}

bool StopBackgroundThreads(CSlideshow& slideshow, CFolderWatcher& watcher, uint32_t timeoutMs) {
    // The worker first: its rebuild may start the watcher again.
    const Deadline deadline(timeoutMs);
    return slideshow.StopWorker(deadline.LeftMs()) && watcher.StopWithin(deadline.LeftMs());
}

void CSlideshow::OptionsChanged() {
    m_enabled = m_options.m_bEnabled != 0;
    m_opacity = m_options.m_nOpacity;
    ApplyFadeTime();
    m_pauseOnScreenSaver = m_options.m_bPauseOnScreenSaver != 0;
    LockGuard lock(m_imagesLock);
    m_images = m_options.m_images;
}

void CSlideshow::ApplyFadeTime() {
    m_display.SetFadeTime(CFade::DurationMs(m_options.m_nFadeMs, TimerPeriodMs(m_options.m_nInterval)));
}

void CSlideshow::RestoreNextIndex() {
    if (m_options.m_nNextIndex >= 0) m_nNextImage = m_options.m_nNextIndex;
}

uint32_t CSlideshow::TimerPeriodMs(int32_t intervalSeconds) {
    int32_t s = intervalSeconds;
    if (s < kMinInterval) s = kMinInterval;
    if (s > kMaxInterval) s = kMaxInterval;
    return static_cast<uint32_t>(s) * 1000u;
}

void CSlideshow::SetTimer() {
    if (m_options.m_nInterval < kMinInterval || m_options.m_nInterval > kMaxInterval) VL_TRACE();
    m_system.SetSlideshowTimer(TimerPeriodMs(m_options.m_nInterval));
    ApplyFadeTime();
}

void CSlideshow::Tick() {
    Tick(true);
}

void CSlideshow::Tick(bool mayRebuild) {
    if (m_options.m_images.empty() || !m_options.m_bEnabled || m_owner.IsConfigWindowVisible()) return;
    if (m_options.m_bPauseOnScreenSaver && m_system.IsScreenSaverRunning()) return;
    if (StepAsideForFullScreen()) return;
    if (m_list.IsEmpty()) {
        if (!mayRebuild || WaitForWorkerList(0)) return;
        RebuildDisplayList();  // no worker: nothing else would build it
        if (m_list.IsEmpty()) return;
    }
    bool random = m_options.m_nSequence == 1;
    if (m_nNextImage == kNotChosen) m_nNextImage = random ? RandomImageIndex() : 0;

    std::string path;
    // The worker may replace the list between counting and reading: count again then.
    for (int attempt = 0; attempt < 2; ++attempt) {
        int32_t count = static_cast<int32_t>(m_list.Count());
        if (count == 0) return;
        if (m_nNextImage < 0) m_nNextImage = count - 1;
        if (m_nNextImage >= count) m_nNextImage = 0;
        if (m_list.At(static_cast<size_t>(m_nNextImage), path)) break;
        if (attempt == 1) return;
    }
    m_nCurrentImage = m_nNextImage;
    m_display.SetImagePath(path);
    m_showWanted = true;
    if (m_event) m_event->Set();

    m_nNextImage = random ? RandomImageIndex() : m_nNextImage + 1;
    m_options.m_nNextIndex = m_nNextImage;
}

int32_t CSlideshow::RandomImageIndex() {
    size_t count = m_list.Count();
    if (count == 0) return 0;
    uint32_t r = static_cast<uint32_t>(m_random.Next()) + static_cast<uint32_t>(m_clock.PerformanceCounter());
    // The magnitude of r as a signed number; computed unsigned so that the most negative
    // value does not stay negative.
    uint32_t magnitude = (r & 0x80000000u) ? 0u - r : r;
    return static_cast<int32_t>(magnitude % static_cast<uint32_t>(count));
}

void CSlideshow::StartSlideshow() {
    m_display.ReShow();
    m_random.Seed(m_clock.TickCount());
    Tick();
}

void CSlideshow::ToggleEnabled() {
    m_options.m_bEnabled = m_options.m_bEnabled ? 0 : 1;
    m_enabled = m_options.m_bEnabled != 0;
    m_owner.EnabledChanged(m_enabled);
    if (m_enabled) {
        SetTimer();
        if (!m_owner.IsConfigWindowVisible()) StartSlideshow();
    } else {
        m_display.Hide();
        m_system.KillSlideshowTimer();
    }
}

void CSlideshow::OnPreviousImage() {
    Step(-1);
}

void CSlideshow::OnNextImage() {
    Step(+1);
}

void CSlideshow::Step(int8_t by) {
    m_system.KillSlideshowTimer();
    m_display.EndFade();
    if (!WaitForWorkerList(by)) {
        m_nNextImage = m_nCurrentImage + by;
        Tick();
    }
    SetTimer();
}

bool CSlideshow::WaitForWorkerList(int8_t step) {
    if (step != 0 && m_waiting.empty()) return false;  // a step with a list at hand runs now
    if (!m_event || !m_worker.IsRunning() || !m_rebuildEnded) return false;
    // One rebuild per image list: ticks that come while it runs do not ask again.
    if (m_waiting.empty() || m_askedGeneration != m_listGeneration) {
        m_askedGeneration = m_listGeneration;
        ++m_rebuildsAsked;
        m_event->Set();
    }
    if (step != 0 || m_waiting.empty() || m_waiting.back() != 0) m_waiting.push_back(step);
    return true;
}

void CSlideshow::OnRebuildEnded() {
    // The message can come from any program: only a rebuild that served the last request counts.
    if (m_waiting.empty() || m_rebuildsServed.load() != m_rebuildsAsked.load()) return;
    std::vector<int8_t> waiting;
    waiting.swap(m_waiting);
    // In their order, as if the list had been at hand; a list still empty waits for the next
    // tick, so that an empty folder is not read again and again.
    for (int8_t step : waiting) {
        if (step != 0) m_nNextImage = m_nCurrentImage + step;
        Tick(false);
    }
}

void CSlideshow::OnIncreaseOpacity() {
    m_options.m_nOpacity += 5;
    if (m_options.m_nOpacity > 100) m_options.m_nOpacity = 100;
    m_opacity = m_options.m_nOpacity;
    m_owner.OpacityChanged(m_options.m_nOpacity);
    if (m_display.IsVisible()) m_display.SetAlpha(AlphaFromOpacity(m_options.m_nOpacity));
}

void CSlideshow::OnDecreaseOpacity() {
    m_options.m_nOpacity -= 5;
    if (m_options.m_nOpacity < 5) m_options.m_nOpacity = 5;
    m_opacity = m_options.m_nOpacity;
    m_owner.OpacityChanged(m_options.m_nOpacity);
    if (m_display.IsVisible()) m_display.SetAlpha(AlphaFromOpacity(m_options.m_nOpacity));
}

void CSlideshow::OnFolderChanged() {
    uint32_t now = m_clock.TickCount();
    // 0 means "nothing pending", so a notice at tick count 0 is kept as 1.
    m_lastFolderChange = now ? now : 1;
}

void CSlideshow::ResetDisplayList() {
    {
        LockGuard lock(m_imagesLock);
        m_images = m_options.m_images;
        ++m_listGeneration;
        m_list.Clear();
    }
    m_nNextImage = kNotChosen;
    m_waiting.clear();  // steps through the old list mean nothing in the new one
}

bool CSlideshow::RebuildDisplayList() {
    if (m_rebuilding.exchange(true)) return false;
    // Notices that arrive while this rebuild runs stay pending for the next one.
    m_lastFolderChange = 0;
    std::vector<CImageItem> images;
    uint64_t generation;
    {
        LockGuard lock(m_imagesLock);
        images = m_images;
        generation = m_listGeneration;
    }
    std::vector<std::string> paths;
    try {
        if (m_rebuild) paths = m_rebuild(images);
    } catch (...) {
        VL_TRACE();
        paths.clear();
    }
    {
        LockGuard lock(m_imagesLock);
        if (generation == m_listGeneration) m_list.Assign(std::move(paths));
    }
    m_rebuilding = false;
    return true;
}

void CSlideshow::WorkerStep() {
    if (m_owner.IsConfigWindowVisible() || !m_enabled) return;
    int32_t opacity = m_opacity;
    if (opacity <= 0) {
        VL_TRACE();
        return;
    }
    if (m_system.DesktopColorDepth() < 16) return;
    m_display.ShowImage(AlphaFromOpacity(opacity));
    if (m_pauseOnScreenSaver && m_system.IsScreenSaverRunning()) return;
    if (StepAsideForFullScreen()) return;
    if (m_owner.IsConfigWindowVisible() || !m_enabled) {
        m_display.Hide();
        return;
    }
    uint32_t stamp = m_lastFolderChange;
    if (stamp != 0 && m_clock.TickCount() - stamp > kFolderQuietMs) RebuildDisplayList();
}

bool CSlideshow::StepAsideForFullScreen() {
    if (!m_pauseOnScreenSaver || !m_display.IsCoveredByFullScreen()) {
        m_steppedAside = false;
        return false;
    }
    m_steppedAside = true;
    m_display.Hide();
    return true;
}

void CSlideshow::OnForegroundChanged() {
    if (!m_options.m_bEnabled || m_owner.IsConfigWindowVisible()) return;
    const bool wasAside = m_steppedAside;
    if (!StepAsideForFullScreen() && wasAside) m_display.ReShow();
}

void CSlideshow::WorkerLoop() {
    for (;;) {
        m_event->Wait();
        if (m_stop) return;
        try {
            const uint32_t asked = m_rebuildsAsked.load();
            if (asked != m_rebuildsServed.load()) {
                RebuildDisplayList();
                m_rebuildsServed = asked;
                m_rebuildEnded();
            }
            // A wake-up only for a rebuild shows nothing.
            if (m_showWanted.exchange(false)) WorkerStep();
        } catch (...) {
            VL_TRACE();
        }
    }
}
