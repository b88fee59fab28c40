#pragma once

#include "core/gameclock.h"

#include <cmath>

// A clock the test moves by hand. Readings wrap at midnight like the real one.
class FakeClock final : public GameClock {
public:
    explicit FakeClock(double start = 36'000'000) : m_now(start) {}
    double readClock() override { return m_now; }
    void set(double ms) { m_now = std::fmod(ms, static_cast<double>(kMsPerDay)); }
    void advance(double ms) { set(m_now + ms); }

private:
    double m_now;
};
