#include "ui/core/ThumbnailJobs.h"

#include <algorithm>

#include "base/Sync.h"
#include "base/Trace.h"
#include "ui/core/SetupPages.h"

ThumbnailBox EffectiveThumbnailBox(int32_t width, int32_t height) {
    // Only the square sizes of the preferences list; ThumbSizeIndex falls back on its own.
    const bool offered = width == height && ThumbSizeFromIndex(ThumbSizeIndex(width)) == width;
    return offered ? ThumbnailBox{width, height} : ThumbnailBox{};
}

size_t LiveThumbnailBound(const ThumbnailBox& box, size_t cellsOnScreen) {
    const size_t kBudgetBytes = size_t(64) << 20;
    const size_t bytes = size_t(box.width > 0 ? box.width : 1) * size_t(box.height > 0 ? box.height : 1) * 4;
    size_t bound = std::max<size_t>(64, kBudgetBytes / bytes);
    bound = std::min(std::max(bound, cellsOnScreen * 3), kMaxLiveThumbnails);
    // Whatever the cap, never below the cells on screen plus one screen: else the rows on
    // screen lose theirs and are remade at every repaint.
    return std::max(bound, cellsOnScreen * 2);
}

int ThumbnailWorkerCount(int processors) {
    return std::max(1, std::min(4, processors));
}

std::vector<uint32_t> ThumbnailsToDrop(std::vector<LiveThumbnail> live, int first, int last, size_t keep) {
    if (live.size() <= keep) return {};
    auto distance = [first, last](int row) -> long long {
        if (last < first) return row;  // nothing painted: keep the top
        if (row < first) return static_cast<long long>(first) - row;
        if (row > last) return static_cast<long long>(row) - last;
        return 0;
    };
    std::stable_sort(live.begin(), live.end(), [&distance](const LiveThumbnail& a, const LiveThumbnail& b) {
        return distance(a.row) > distance(b.row);
    });
    std::vector<uint32_t> drop;
    for (size_t i = 0; i < live.size() - keep; ++i) drop.push_back(live[i].id);
    return drop;
}

// ---------------------------------------------------------------------------------------

void CThumbnailQueue::Push(uint32_t id, int rowHint) {
    if (!m_waiting.insert(id).second) return;
    m_order.emplace_back(id, rowHint);
}

bool CThumbnailQueue::Next(const std::function<bool(uint32_t, int)>& accept, uint32_t& id, int& rowHint) {
    while (!m_order.empty()) {
        const auto next = m_order.front();
        m_order.pop_front();
        m_waiting.erase(next.first);
        if (accept(next.first, next.second)) {
            id = next.first;
            rowHint = next.second;
            return true;
        }
    }
    return false;
}

void CThumbnailQueue::Clear() {
    m_order.clear();
    m_waiting.clear();
}

// ---------------------------------------------------------------------------------------

bool CThumbnailResults::Put(ThumbnailResult&& result) {
    {
        LockGuard guard(m_lock);
        if (!m_bClosed) {
            m_results.push_back(std::move(result));
            return true;
        }
    }
    if (result.bitmap) m_free(result.bitmap);
    result.bitmap = nullptr;
    return false;
}

bool CThumbnailResults::Take(ThumbnailResult& result) {
    LockGuard guard(m_lock);
    if (m_results.empty()) return false;
    result = std::move(m_results.front());
    m_results.pop_front();
    return true;
}

void CThumbnailResults::Close() {
    std::deque<ThumbnailResult> left;
    {
        LockGuard guard(m_lock);
        m_bClosed = true;
        left.swap(m_results);
    }
    for (ThumbnailResult& result : left)
        if (result.bitmap) m_free(result.bitmap);
}

// ---------------------------------------------------------------------------------------

bool CThumbnailBook::Take(ThumbnailResult& result, bool rowExists) {
    void* bitmap = result.bitmap;
    result.bitmap = nullptr;
    if (!bitmap) return false;
    if (!rowExists || result.job.generation != m_nGeneration) {
        m_free(bitmap);
        return false;
    }
    auto it = m_live.find(result.job.id);
    if (it != m_live.end()) {
        m_free(it->second);
        it->second = bitmap;
    } else {
        m_live.emplace(result.job.id, bitmap);
    }
    return true;
}

void* CThumbnailBook::Find(uint32_t id) const {
    auto it = m_live.find(id);
    return it == m_live.end() ? nullptr : it->second;
}

void CThumbnailBook::Drop(uint32_t id) {
    auto it = m_live.find(id);
    if (it == m_live.end()) return;
    m_free(it->second);
    m_live.erase(it);
}

void CThumbnailBook::DropAll() {
    for (auto& live : m_live) m_free(live.second);
    m_live.clear();
}

std::vector<uint32_t> CThumbnailBook::Ids() const {
    std::vector<uint32_t> ids;
    ids.reserve(m_live.size());
    for (const auto& live : m_live) ids.push_back(live.first);
    return ids;
}

// ---------------------------------------------------------------------------------------

struct CThumbnailWorkers::Shared {
    struct Slot {
        Event wake{false, false};
        Event ended{true, false};
        bool started = false;
        bool busy = false;
        bool hasJob = false;
        uint32_t busyId = 0;
        ThumbnailJob job;
    };
    Shared(int count, MakeFn m, DeliverFn d, std::function<void()> s)
        : make(std::move(m)), deliver(std::move(d)), onStart(std::move(s)) {
        for (int i = 0; i < count; ++i) slots.emplace_back(new Slot);
    }
    mutable Mutex lock;
    bool stopping = false;
    size_t undelivered = 0;
    std::vector<std::unique_ptr<Slot>> slots;
    const MakeFn make;
    const DeliverFn deliver;
    const std::function<void()> onStart;
};

CThumbnailWorkers::CThumbnailWorkers(int count, MakeFn make, DeliverFn deliver, std::function<void()> onStart)
    : m_shared(std::make_shared<Shared>(std::max(1, count), std::move(make), std::move(deliver), std::move(onStart))) {}

CThumbnailWorkers::~CThumbnailWorkers() {
    bool waited;
    {
        LockGuard guard(m_shared->lock);
        waited = m_shared->stopping;
    }
    // Asked to stop already, the owner has waited as long as it could: not again.
    if (waited)
        RequestStop();
    else
        Stop(kStopMs);
}

bool CThumbnailWorkers::HandOut(ThumbnailJob job) {
    std::shared_ptr<Shared> shared = m_shared;
    LockGuard guard(shared->lock);
    if (shared->stopping) return false;
    for (size_t i = 0; i < shared->slots.size(); ++i) {
        Shared::Slot& slot = *shared->slots[i];
        if (slot.busy) continue;
        if (!slot.started) {
            // The thread holds the shared state itself, so that it may outlive this object.
            if (!StartDetachedThread([shared, i] { Run(shared, i); })) {
                VL_TRACE();
                continue;
            }
            slot.started = true;
        }
        slot.busyId = job.id;
        slot.job = std::move(job);
        slot.hasJob = true;
        slot.busy = true;
        slot.wake.Set();
        return true;
    }
    return false;
}

bool CThumbnailWorkers::HasIdleWorker() const {
    LockGuard guard(m_shared->lock);
    if (m_shared->stopping) return false;
    for (const auto& slot : m_shared->slots)
        if (!slot->busy) return true;
    return false;
}

bool CThumbnailWorkers::IsBusyWith(uint32_t id) const {
    LockGuard guard(m_shared->lock);
    for (const auto& slot : m_shared->slots)
        if (slot->busy && slot->busyId == id) return true;
    return false;
}

size_t CThumbnailWorkers::BusyCount() const {
    LockGuard guard(m_shared->lock);
    size_t n = m_shared->undelivered;
    for (const auto& slot : m_shared->slots) n += slot->busy ? 1 : 0;
    return n;
}

void CThumbnailWorkers::ResultTaken() {
    LockGuard guard(m_shared->lock);
    if (m_shared->undelivered > 0) --m_shared->undelivered;
}

bool CThumbnailWorkers::Stop(uint32_t ms) {
    RequestStop();
    if (WaitEnded(ms)) return true;
    VL_TRACE();
    return false;
}

void CThumbnailWorkers::RequestStop() {
    LockGuard guard(m_shared->lock);
    m_shared->stopping = true;
    for (auto& slot : m_shared->slots) {
        if (slot->started) slot->wake.Set();
    }
}

bool CThumbnailWorkers::WaitEnded(uint32_t ms) {
    std::vector<Event*> started;
    {
        LockGuard guard(m_shared->lock);
        for (auto& slot : m_shared->slots) {
            if (slot->started) started.push_back(&slot->ended);
        }
    }
    const Deadline deadline(ms);
    bool allEnded = true;
    for (Event* ended : started) allEnded = ended->Wait(deadline.LeftMs()) && allEnded;
    return allEnded;
}

void CThumbnailWorkers::Run(const std::shared_ptr<Shared>& shared, size_t index) {
    Shared::Slot& slot = *shared->slots[index];
    if (shared->onStart) shared->onStart();
    for (;;) {
        slot.wake.Wait();
        ThumbnailJob job;
        {
            LockGuard guard(shared->lock);
            if (shared->stopping) break;
            if (!slot.hasJob) continue;
            job = std::move(slot.job);
            slot.hasJob = false;
        }
        ThumbnailResult result;
        try {
            result = shared->make(job);
        } catch (...) {
            VL_TRACE();
            result = ThumbnailResult();
        }
        result.job = std::move(job);
        {
            // Idle before the result is out, so that its arrival can hand this worker the next job.
            LockGuard guard(shared->lock);
            slot.busy = false;
            slot.busyId = 0;
            ++shared->undelivered;
        }
        try {
            shared->deliver(std::move(result));
        } catch (...) {
            VL_TRACE();
        }
    }
    slot.ended.Set();
}
