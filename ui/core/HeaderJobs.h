// Reading the headers of added picture files (width, height, depth) on a thread of its own,
// so that adding thousands of files, or one on a share that does not answer, never holds up
// the window. The window hands out a row's identity and path; the results wait in a locked
// queue, and the window is told by a call that posts a message carrying nothing.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

struct HeaderResult {
    uint32_t id = 0;
    int32_t width = 0;  // 0: no reader knows the picture
    int32_t height = 0;
    int32_t depth = 0;
};

class CHeaderJobs {
public:
    using ReadFn = std::function<void(const std::string& path, int32_t& width, int32_t& height, int32_t& depth)>;

    // read and ready run on the thread; ready once each time results arrive that nobody has
    // taken yet. The thread may outlive this object (see Stop): what they use must stay.
    CHeaderJobs(ReadFn read, std::function<void()> ready);
    static constexpr uint32_t kStopMs = 2000;
    ~CHeaderJobs();  // Stop(kStopMs), unless a stop was asked for before
    CHeaderJobs(const CHeaderJobs&) = delete;
    CHeaderJobs& operator=(const CHeaderJobs&) = delete;

    // Starts the thread on first need; false when it cannot be started or after Stop.
    bool Add(uint32_t id, std::string path);
    std::vector<HeaderResult> Take();
    // Headers queued or being read, and results not taken yet.
    size_t Pending() const;
    // Drops what is queued and waits up to ms for the read in progress. False when it is
    // still inside a read: it finishes alone.
    bool Stop(uint32_t ms);

private:
    struct Shared;
    static void Run(const std::shared_ptr<Shared>& shared);
    std::shared_ptr<Shared> m_shared;
};
