// The thumbnail workers and the bookkeeping of the user-interface thread, with fake
// bitmaps; built under ThreadSanitizer too (native-tsan).
#include "ui/core/ThumbnailJobs.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <set>
#include <vector>

#include "base/Sync.h"

namespace {

// A worker's results as the window's queue would hold them, and the fake bitmaps.
struct Inbox {
    Mutex lock;
    std::vector<ThumbnailResult> results;
    Event arrived{false, false};
    Event entered{true, false};  // a slow job has begun
    std::atomic<int> made{0}, freed{0};

    // Jobs for "slow.jpg" wait for the gate.
    CThumbnailWorkers::MakeFn Make(std::shared_ptr<Event> gate) {
        return [this, gate](const ThumbnailJob& job) {
            if (job.path == "slow.jpg") {
                entered.Set();
                gate->Wait();
            }
            ThumbnailResult r;
            r.ok = job.path != "bad";
            if (r.ok) r.bitmap = new int(static_cast<int>(job.id));
            made += r.ok ? 1 : 0;
            return r;
        };
    }
    CThumbnailWorkers::DeliverFn Deliver() {
        return [this](ThumbnailResult&& r) {
            {
                LockGuard guard(lock);
                results.push_back(std::move(r));
            }
            arrived.Set();
        };
    }
    std::function<void(void*)> Free() {
        return [this](void* bitmap) {
            delete static_cast<int*>(bitmap);
            ++freed;
        };
    }
    // Waits until n results are in and hands them over.
    std::vector<ThumbnailResult> Take(size_t n) {
        const Deadline deadline(5000);
        for (;;) {
            {
                LockGuard guard(lock);
                if (results.size() >= n) return std::move(results);
            }
            if (!arrived.Wait(deadline.LeftMs())) return {};
        }
    }
};

ThumbnailJob Job(uint32_t id, const char* path = "a.jpg") {
    ThumbnailJob job;
    job.id = id;
    job.path = path;
    job.generation = 1;
    return job;
}

TEST(ThumbnailWorkers, ResultsForRowsDeletedMeanwhileAreFreedAndWorkersComeFreeBeforeTheirResultArrives) {
    Inbox inbox;
    auto gate = std::make_shared<Event>(true, false);
    CThumbnailBook book(inbox.Free());
    {
        CThumbnailWorkers workers(2, inbox.Make(gate), inbox.Deliver());
        ASSERT_TRUE(workers.HandOut(Job(1, "slow.jpg")));
        ASSERT_TRUE(workers.HandOut(Job(2, "bad")));
        ASSERT_EQ(inbox.Take(1).size(), 1u);
        // Delivered but not taken still counts, so that nobody thinks all is done.
        EXPECT_EQ(workers.BusyCount(), 2u);
        workers.ResultTaken();
        // The worker that delivered is idle already: the next job goes out at once.
        EXPECT_TRUE(workers.HandOut(Job(3, "slow.jpg")));
        gate->Set();
        // Row 1 was deleted while its job ran.
        for (ThumbnailResult& r : inbox.Take(2)) book.Take(r, r.job.id == 3);
        EXPECT_EQ(book.Count(), 1u);
        EXPECT_TRUE(workers.Stop(2000));
    }
    book.DropAll();
    EXPECT_EQ(inbox.freed.load(), inbox.made.load());
}

TEST(ThumbnailWorkers, StopWaitsForTheJobInFlightOrLeavesTheWorkerItsOwnState) {
    Inbox inbox;
    auto gate = std::make_shared<Event>(true, false);
    {
        // A short job: Stop returns once it is done, with its result delivered.
        CThumbnailWorkers workers(1, inbox.Make(gate), inbox.Deliver());
        ASSERT_TRUE(workers.HandOut(Job(1, "slow.jpg")));
        ASSERT_TRUE(inbox.entered.Wait(5000));
        StartDetachedThread([gate] {
            SleepMs(50);
            gate->Set();
        });
        EXPECT_TRUE(workers.Stop(5000));
        LockGuard guard(inbox.lock);
        EXPECT_EQ(inbox.results.size(), 1u);
        for (ThumbnailResult& r : inbox.results) inbox.Free()(r.bitmap);
    }
    // A job that hangs: Stop gives up, the object goes, and the worker finishes later
    // on state it holds itself (the sanitizers see any use after free).
    auto hang = std::make_shared<Event>(true, false);
    auto late = std::make_shared<Event>(true, false);
    inbox.entered.Reset();
    std::chrono::steady_clock::time_point stopAt;
    {
        CThumbnailWorkers workers(1, inbox.Make(hang), [late](ThumbnailResult&& r) {
            delete static_cast<int*>(r.bitmap);  // the window is gone: the deliverer frees what it cannot post
            late->Set();
        });
        ASSERT_TRUE(workers.HandOut(Job(9, "slow.jpg")));
        ASSERT_TRUE(inbox.entered.Wait(5000));
        stopAt = std::chrono::steady_clock::now();
        EXPECT_FALSE(workers.Stop(30));
    }
    // Given up once, the workers are not waited for again on the way out (2 s each time).
    EXPECT_LT(std::chrono::steady_clock::now() - stopAt, std::chrono::milliseconds(1000));
    hang->Set();
    EXPECT_TRUE(late->Wait(5000));
}

// The window takes results from here; its message carries nothing.
TEST(ThumbnailResults, TakenInOrderAndFreedOnceClosedOrDropped) {
    Inbox inbox;
    auto result = [](uint32_t id) {
        ThumbnailResult r;
        r.job.id = id;
        r.bitmap = new int(static_cast<int>(id));
        return r;
    };
    CThumbnailResults results(inbox.Free());
    ThumbnailResult taken;
    ASSERT_TRUE(results.Put(result(1)));
    ASSERT_TRUE(results.Put(result(2)));
    ASSERT_TRUE(results.Put(result(3)));
    ASSERT_TRUE(results.Take(taken));
    EXPECT_EQ(taken.job.id, 1u);
    inbox.Free()(taken.bitmap);
    results.Close();  // 2 and 3 are freed
    EXPECT_EQ(inbox.freed.load(), 3);
}

TEST(ThumbnailBook, StaleGenerationsAndRepeatsFreeTheirBitmaps) {
    int freed = 0;
    CThumbnailBook book([&freed](void* b) {
        delete static_cast<int*>(b);
        ++freed;
    });
    auto result = [&book](uint32_t id) {
        ThumbnailResult r;
        r.job = Job(id);
        r.job.generation = book.Generation();
        r.ok = true;
        r.bitmap = new int(0);
        return r;
    };
    ThumbnailResult a = result(1), again = result(1), old = result(2);
    EXPECT_TRUE(book.Take(a, true));
    EXPECT_TRUE(book.Take(again, true));  // the newer one replaces the older
    EXPECT_EQ(freed, 1);
    book.DropAll();
    book.NewGeneration();  // a size change while job 2 ran
    EXPECT_FALSE(book.Take(old, true));
    EXPECT_EQ(freed, 3);
    EXPECT_EQ(book.Count(), 0u);
}

TEST(ThumbnailQueue, ARowWaitsOnceAndRowsTurnedDownComeBackOnlyWhenPaintedAgain) {
    CThumbnailQueue queue;
    queue.Push(5, 0);
    queue.Push(5, 0);
    queue.Push(6, 1);
    EXPECT_EQ(queue.Size(), 2u);
    uint32_t id = 0;
    int row = -1;
    auto onlySix = [](uint32_t candidate, int) { return candidate == 6; };
    ASSERT_TRUE(queue.Next(onlySix, id, row));
    EXPECT_EQ(id, 6u);
    EXPECT_EQ(row, 1);
    EXPECT_EQ(queue.Size(), 0u) << "5 was turned down and dropped";
}

TEST(ThumbnailBounds, SizesAndLimits) {
    // 64 MiB of pixels, never above the limit, at least three screens of cells.
    EXPECT_EQ(LiveThumbnailBound({128, 128}, 70), 1024u);
    EXPECT_EQ(LiveThumbnailBound({256, 256}, 200), 600u);
    // The cap gives way to the cells on screen plus one screen (32 x 32 cells, maximized).
    EXPECT_EQ(LiveThumbnailBound({32, 32}, 999), kMaxLiveThumbnails);
    EXPECT_EQ(LiveThumbnailBound({32, 32}, 1500), 3000u);
}

TEST(ThumbnailBounds, TheThumbnailsFarthestFromTheScreenGoFirst) {
    std::vector<LiveThumbnail> live = {{0, 10}, {50, 11}, {100, 12}, {101, 13}, {190, 14}, {400, 15}};
    std::vector<uint32_t> drop = ThumbnailsToDrop(live, 100, 120, 3);
    EXPECT_EQ(std::set<uint32_t>(drop.begin(), drop.end()), (std::set<uint32_t>{10, 14, 15}));
    EXPECT_TRUE(ThumbnailsToDrop(live, 0, 10, 6).empty());
}

}  // namespace
