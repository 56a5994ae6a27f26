#include "app/replay/game_clock.h"

#include <chrono>

#include <GLFW/glfw3.h>

namespace {

std::int64_t steadyClockNanoseconds()
{
    const auto sinceEpoch = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::nanoseconds>(sinceEpoch).count();
}

}  // namespace

LiveClock::LiveClock() : LiveClock(glfwGetTime, steadyClockNanoseconds) {}

LiveClock::LiveClock(SecondsReader readSeconds, NanosecondsReader readNanoseconds)
    : readSeconds(readSeconds), readNanoseconds(readNanoseconds)
{
}

// Without a pause the clocks read exactly as the timers do.
double LiveClock::frameSeconds()
{
    return (paused ? pausedAtSeconds : readSeconds()) - secondsPaused;
}

std::int64_t LiveClock::steadyNanoseconds()
{
    return (paused ? pausedAtNanoseconds : readNanoseconds()) - nanosecondsPaused;
}

void LiveClock::pause()
{
    if (paused)
        return;
    paused = true;
    pausedAtSeconds = readSeconds();
    pausedAtNanoseconds = readNanoseconds();
}

void LiveClock::resume()
{
    if (!paused)
        return;
    paused = false;
    secondsPaused += readSeconds() - pausedAtSeconds;
    nanosecondsPaused += readNanoseconds() - pausedAtNanoseconds;
}
