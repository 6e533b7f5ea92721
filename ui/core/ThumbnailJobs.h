// Making thumbnails on worker threads for the image list view. The user-interface thread
// owns the rows; a worker gets one job at a time (a record's identity, a path, a box),
// never a row or a record, and its result goes back to the user-interface thread, which
// applies it by identity or frees it when the row has gone.
#pragma once
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "base/Sync.h"

struct ThumbnailBox {
    int width = 128;
    int height = 128;
};

// The box for a stored size: one the preferences offer, else 128 x 128 (a damaged
// settings file can hold anything; the stored value is left as it is).
ThumbnailBox EffectiveThumbnailBox(int32_t width, int32_t height);

// How many thumbnails may live at once for a box: a memory budget of 64 MiB of 32-bit
// pixels, at least 64, and three screens of cells; at most 2,000 (GDI objects are limited
// per process) unless the cells on screen plus one screen need more (a maximized window of
// small thumbnails: some 8,000 on the largest screens, still under the 10,000 a process has).
constexpr size_t kMaxLiveThumbnails = 2000;
size_t LiveThumbnailBound(const ThumbnailBox& box, size_t cellsOnScreen);

// Workers for a number of processors: one each, at most four.
int ThumbnailWorkerCount(int processors);

struct LiveThumbnail {
    int row;
    uint32_t id;
};
// Which thumbnails to drop so that keep remain: those farthest from the rows on screen
// (first..last; last < first when nothing was painted yet), the farthest first.
std::vector<uint32_t> ThumbnailsToDrop(std::vector<LiveThumbnail> live, int first, int last, size_t keep);

struct ThumbnailJob {
    uint32_t id = 0;          // the record's identity
    int rowHint = -1;         // where the row was when the job was handed out
    uint32_t generation = 0;  // thumbnail size changes make older results stale
    std::string path;
    ThumbnailBox box;
};

struct ThumbnailResult {
    ThumbnailJob job;
    bool ok = false;
    void* bitmap = nullptr;  // owned by whoever holds the result
    int pictureWidth = 0, pictureHeight = 0;
};

// The workers' results on their way to the user-interface thread. A worker leaves its
// result here and then posts a message that carries nothing, so that a message another
// program posts finds nothing to use or free. Shared with the workers, which may outlive
// the view: once closed, what is left and every later result are freed here.
class CThumbnailResults {
public:
    explicit CThumbnailResults(std::function<void(void* bitmap)> free) : m_free(std::move(free)) {}
    ~CThumbnailResults() { Close(); }
    CThumbnailResults(const CThumbnailResults&) = delete;
    CThumbnailResults& operator=(const CThumbnailResults&) = delete;

    // False when closed: the result's bitmap is freed then.
    bool Put(ThumbnailResult&& result);
    // The oldest result; false when there is none.
    bool Take(ThumbnailResult& result);
    void Close();

private:
    Mutex m_lock;
    bool m_bClosed = false;
    std::deque<ThumbnailResult> m_results;
    const std::function<void(void*)> m_free;
};

// Rows painted without a thumbnail, waiting to be handed out; user-interface thread only.
// A row waits once however often it is painted.
class CThumbnailQueue {
public:
    void Push(uint32_t id, int rowHint);
    // The next waiting row that accept still wants (valid, without thumbnail, visible);
    // the ones it turns down are dropped: they come back when painted again.
    bool Next(const std::function<bool(uint32_t id, int rowHint)>& accept, uint32_t& id, int& rowHint);
    void Clear();
    size_t Size() const { return m_order.size(); }

private:
    std::deque<std::pair<uint32_t, int>> m_order;
    std::unordered_set<uint32_t> m_waiting;
};

// The live thumbnails by record identity, counted, freed through free; user-interface
// thread only. The generation goes up when every thumbnail is dropped for a new size.
class CThumbnailBook {
public:
    explicit CThumbnailBook(std::function<void(void* bitmap)> free) : m_free(std::move(free)) {}
    ~CThumbnailBook() { DropAll(); }
    CThumbnailBook(const CThumbnailBook&) = delete;
    CThumbnailBook& operator=(const CThumbnailBook&) = delete;

    // A worker's result: kept (true) when its row is still there and it is of the current
    // generation; otherwise its bitmap is freed here.
    bool Take(ThumbnailResult& result, bool rowExists);
    void* Find(uint32_t id) const;
    void Drop(uint32_t id);
    void DropAll();
    void NewGeneration() { ++m_nGeneration; }
    uint32_t Generation() const { return m_nGeneration; }
    size_t Count() const { return m_live.size(); }
    std::vector<uint32_t> Ids() const;

private:
    std::function<void(void*)> m_free;
    std::unordered_map<uint32_t, void*> m_live;
    uint32_t m_nGeneration = 1;
};

// The worker threads. Each waits on its own event for one job; make runs on the worker,
// deliver hands the result over (a posted message) and must free it when it cannot.
// Workers live on after Stop gives up on them: they hold what they use themselves.
class CThumbnailWorkers {
public:
    using MakeFn = std::function<ThumbnailResult(const ThumbnailJob&)>;
    using DeliverFn = std::function<void(ThumbnailResult&&)>;

    // onStart runs first on each new worker (its priority); may be empty.
    CThumbnailWorkers(int count, MakeFn make, DeliverFn deliver, std::function<void()> onStart = {});
    ~CThumbnailWorkers();  // Stop(kStopMs), unless a stop was asked for before
    CThumbnailWorkers(const CThumbnailWorkers&) = delete;
    CThumbnailWorkers& operator=(const CThumbnailWorkers&) = delete;

    // Gives job to an idle worker (started on first need); false when all are busy,
    // stopped, or no thread could be started.
    bool HandOut(ThumbnailJob job);
    bool HasIdleWorker() const;
    bool IsBusyWith(uint32_t id) const;
    // Jobs running, and results delivered but not taken yet (see ResultTaken).
    size_t BusyCount() const;
    // The receiver took a delivered result.
    void ResultTaken();

    // No more jobs; waits for the jobs in flight up to ms. False when a worker is still
    // inside its job: it is left to finish alone and deliver (or free) its result.
    static constexpr uint32_t kStopMs = 2000;
    bool Stop(uint32_t ms);
    // Stop in two steps, for a caller that must answer messages while it waits.
    void RequestStop();
    bool WaitEnded(uint32_t ms);

private:
    struct Shared;
    static void Run(const std::shared_ptr<Shared>& shared, size_t index);
    std::shared_ptr<Shared> m_shared;
};
