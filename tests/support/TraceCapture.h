// Takes the program's debug trace for the life of one object: tests stay quiet and can
// look for a documented trace text. Worker threads may trace at the same time.
#pragma once
#include <string>
#include <vector>

#include "base/Sync.h"
#include "base/Trace.h"

class TraceCapture {
public:
    TraceCapture() {
        SetTraceSink([this](const std::string& line) {
            LockGuard lock(m_lock);
            m_lines.push_back(line);
        });
    }
    ~TraceCapture() { SetTraceSink({}); }
    TraceCapture(const TraceCapture&) = delete;
    TraceCapture& operator=(const TraceCapture&) = delete;

    // True when some line holds text.
    bool Has(const std::string& text) {
        LockGuard lock(m_lock);
        for (const std::string& line : m_lines)
            if (line.find(text) != std::string::npos) return true;
        return false;
    }

private:
    Mutex m_lock;
    std::vector<std::string> m_lines;
};
