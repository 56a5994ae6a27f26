#include "app/pause_state.h"

#include "framework/console.h"

bool sitOutPause(const PauseState& state, const PauseHooks& hooks)
{
    if (!state.paused())
        return true;
    printLine("Paused");
    hooks.stop();
    while (state.paused()) {
        if (hooks.closing())
            return false;
        hooks.waitForEvents();
    }
    hooks.start();
    printLine("Resumed");
    return true;
}
