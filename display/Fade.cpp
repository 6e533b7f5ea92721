#include "display/Fade.h"

uint32_t CFade::DurationMs(int32_t fadeMs, uint32_t intervalMs) {
    if (fadeMs <= 0) return 0;
    const uint32_t half = intervalMs / 2;
    return static_cast<uint32_t>(fadeMs) < half ? static_cast<uint32_t>(fadeMs) : half;
}

int CFade::LeavingAlpha(int incoming, int target) {
    incoming = ClampAlpha(incoming);
    target = ClampAlpha(target);
    if (incoming >= target) return 0;
    // 255 - 255 * (255 - o) / (255 - a), rounded to the nearest step.
    const int through = (255 * (255 - target) * 2 + (255 - incoming)) / (2 * (255 - incoming));
    const int leaving = 255 - through;
    return leaving < 0 ? 0 : (leaving > target ? target : leaving);
}

void CFade::Start(uint32_t now, uint32_t durationMs, int target) {
    m_running = true;
    m_start = now;
    m_duration = durationMs;
    m_target = ClampAlpha(target);
}

CFade::Alphas CFade::At(uint32_t now) const {
    const uint32_t elapsed = now - m_start;  // the tick count may wrap during a fade
    if (!m_running || elapsed >= m_duration) return {m_target, 0, true};
    const int incoming = static_cast<int>((static_cast<uint64_t>(m_target) * elapsed + m_duration / 2) / m_duration);
    return {incoming, LeavingAlpha(incoming, m_target), false};
}
