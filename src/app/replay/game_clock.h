// The clocks the frame loop asks for time.
//
// Two clocks drive the game: the frame clock (seconds since start, read once per
// frame; its differences are the frame's delta time) and the steady clock of the
// spider damage cool-down (nanoseconds). Live play reads GLFW's timer and the
// system's steady clock; a demo replay advances both by the recorded frame times,
// so a replay gives the same run on any machine.
#pragma once

#include <cstdint>

class GameClock {
public:
    virtual ~GameClock() = default;
    // Seconds of the frame clock; read once per frame.
    virtual double frameSeconds() = 0;
    // Steady time in nanoseconds for cool-downs and grace periods.
    virtual std::int64_t steadyNanoseconds() = 0;
};

// GLFW's timer and std::chrono::steady_clock.
class LiveClock : public GameClock {
public:
    double frameSeconds() override;
    std::int64_t steadyNanoseconds() override;
};
