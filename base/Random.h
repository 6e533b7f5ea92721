// The C runtime's rand(): the same numbers for the same seed on every platform.
#pragma once
#include <cstdint>

class CRuntimeRandom {
public:
    explicit CRuntimeRandom(uint32_t seed = 1) : m_seed(seed) {}
    void Seed(uint32_t seed) { m_seed = seed; }
    int Next() {
        m_seed = m_seed * 214013u + 2531011u;
        return static_cast<int>((m_seed >> 16) & 0x7FFF);
    }

private:
    uint32_t m_seed;
};
