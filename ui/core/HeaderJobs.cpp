#include "ui/core/HeaderJobs.h"

#include <deque>
#include <utility>

#include "base/Sync.h"
#include "base/Trace.h"

struct CHeaderJobs::Shared {
    Shared(ReadFn r, std::function<void()> t) : read(std::move(r)), ready(std::move(t)) {}
    mutable Mutex lock;
    Event wake{false, false};
    Event ended{true, false};
    bool started = false, stopping = false, reading = false, told = false;
    std::deque<std::pair<uint32_t, std::string>> jobs;
    std::vector<HeaderResult> results;
    const ReadFn read;
    const std::function<void()> ready;
};

CHeaderJobs::CHeaderJobs(ReadFn read, std::function<void()> ready)
    : m_shared(std::make_shared<Shared>(std::move(read), std::move(ready))) {}

CHeaderJobs::~CHeaderJobs() {
    bool stopped;
    {
        LockGuard guard(m_shared->lock);
        stopped = m_shared->stopping;
    }
    // Stopped already, the owner has waited as long as it could: not again.
    Stop(stopped ? 0 : kStopMs);
}

bool CHeaderJobs::Add(uint32_t id, std::string path) {
    std::shared_ptr<Shared> shared = m_shared;
    LockGuard guard(shared->lock);
    if (shared->stopping) return false;
    if (!shared->started) {
        // The thread holds the shared state itself, so that it may outlive this object.
        if (!StartDetachedThread([shared] { Run(shared); })) {
            VL_TRACE();
            return false;
        }
        shared->started = true;
    }
    shared->jobs.emplace_back(id, std::move(path));
    shared->wake.Set();
    return true;
}

std::vector<HeaderResult> CHeaderJobs::Take() {
    std::vector<HeaderResult> taken;
    LockGuard guard(m_shared->lock);
    taken.swap(m_shared->results);
    m_shared->told = false;
    return taken;
}

size_t CHeaderJobs::Pending() const {
    LockGuard guard(m_shared->lock);
    return m_shared->jobs.size() + (m_shared->reading ? 1 : 0) + m_shared->results.size();
}

bool CHeaderJobs::Stop(uint32_t ms) {
    {
        LockGuard guard(m_shared->lock);
        m_shared->stopping = true;
        m_shared->jobs.clear();
        if (!m_shared->started) return true;
        m_shared->wake.Set();
    }
    if (m_shared->ended.Wait(ms)) return true;
    if (ms) VL_TRACE();
    return false;
}

void CHeaderJobs::Run(const std::shared_ptr<Shared>& shared) {
    for (;;) {
        std::pair<uint32_t, std::string> job;
        bool have = false;
        {
            LockGuard guard(shared->lock);
            if (shared->stopping) break;
            if (!shared->jobs.empty()) {
                job = std::move(shared->jobs.front());
                shared->jobs.pop_front();
                shared->reading = have = true;
            }
        }
        if (!have) {
            shared->wake.Wait();
            continue;
        }
        HeaderResult result;
        result.id = job.first;
        try {
            shared->read(job.second, result.width, result.height, result.depth);
        } catch (...) {
            VL_TRACE();
            result = HeaderResult{job.first};
        }
        bool tell = false;
        {
            LockGuard guard(shared->lock);
            shared->reading = false;
            shared->results.push_back(result);
            tell = !shared->told;
            shared->told = true;
        }
        if (tell && shared->ready) shared->ready();
    }
    shared->ended.Set();
}
