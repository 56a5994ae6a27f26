#include "app/replay/game_clock.h"

#include <chrono>

#include <GLFW/glfw3.h>

double LiveClock::frameSeconds()
{
    return glfwGetTime();
}

std::int64_t LiveClock::steadyNanoseconds()
{
    const auto sinceEpoch = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::nanoseconds>(sinceEpoch).count();
}
