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

// GLFW's timer and std::chrono::steady_clock, both stopped while the game is
// paused: the time spent paused counts for nothing, not for the frame after it,
// nor for the spiders' cool-down or the start-up grace period.
class LiveClock : public GameClock {
public:
    using SecondsReader = double (*)();
    using NanosecondsReader = std::int64_t (*)();
    LiveClock();
    // Reading other clocks than the real ones (tests).
    LiveClock(SecondsReader readSeconds, NanosecondsReader readNanoseconds);

    double frameSeconds() override;
    std::int64_t steadyNanoseconds() override;

    // Both clocks stand still from pause() to resume(); calling either twice
    // in a row changes nothing.
    void pause();
    void resume();

private:
    SecondsReader readSeconds;
    NanosecondsReader readNanoseconds;
    bool paused = false;
    double pausedAtSeconds = 0.0;
    std::int64_t pausedAtNanoseconds = 0;
    double secondsPaused = 0.0;  // all pauses so far, taken off both clocks
    std::int64_t nanosecondsPaused = 0;
};
