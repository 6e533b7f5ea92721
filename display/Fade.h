// The cross-fade from the picture on show to the next one. The incoming picture rises from
// transparent to the target alpha; the leaving one falls so that where the two overlap the
// desktop shows through as much as at either end, and where they do not it simply fades out.
// Only constant alphas change on the way: the two pictures are rendered once.
#pragma once
#include <cstdint>

class CFade {
public:
    // The window's step timer: at most 25 steps a second.
    static constexpr uint32_t kStepMs = 40;

    struct Alphas {
        int incoming;
        int leaving;
        bool done;  // the incoming picture is at the target, the leaving one gone
    };

    // The fade for the preference fadeMs (0: off) within the slideshow's interval: never
    // longer than half of it, so a picture is seen whole for at least as long as it fades.
    static uint32_t DurationMs(int32_t fadeMs, uint32_t intervalMs);
    // 1 - (1 - o) / (1 - a) in alphas of 0..255, within 0..target; 0 once incoming reaches target.
    static int LeavingAlpha(int incoming, int target);

    void Start(uint32_t now, uint32_t durationMs, int target);
    // What both windows show at tick count now; the end once durationMs have passed.
    Alphas At(uint32_t now) const;
    // An opacity change during the fade becomes the value it ends at.
    void SetTarget(int target) { m_target = ClampAlpha(target); }
    void End() { m_running = false; }
    bool IsRunning() const { return m_running; }
    int Target() const { return m_target; }

private:
    static int ClampAlpha(int a) { return a < 0 ? 0 : (a > 255 ? 255 : a); }

    bool m_running = false;
    uint32_t m_start = 0;
    uint32_t m_duration = 0;
    int m_target = 0;
};
