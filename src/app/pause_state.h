// Pausing live play while the player is away: the window has lost the focus or
// is minimised (a minimised window has no pixels to draw into).
//
// While paused the game's clocks stand still, no input is read, no rule runs,
// the sound is held and the loop sleeps until the window system has news, so
// a game in the background costs next to nothing. Replays, timedemos and
// headless frames play on whatever the window does.
#pragma once

#include <functional>

class PauseState {
public:
    // `pausesWhenAway`: live play in a window. `focused`: the window's focus at
    // the start.
    PauseState(bool pausesWhenAway, bool focused) : enabled(pausesWhenAway), focused(focused) {}

    void setFocused(bool value) { focused = value; }
    void setIconified(bool value) { iconified = value; }
    // A framebuffer of no pixels is minimised too, whatever the window system calls it.
    void setFramebufferSize(int width, int height) { emptyFramebuffer = width <= 0 || height <= 0; }

    bool paused() const { return enabled && (!focused || iconified || emptyFramebuffer); }

private:
    bool enabled;
    bool focused;
    bool iconified = false;
    bool emptyFramebuffer = false;
};

// What sitting out a pause does; the frame loop hands in the window's and the
// game's side, the tests their own.
struct PauseHooks {
    std::function<void()> waitForEvents;  // sleeps until the window system has news; callbacks run inside
    std::function<bool()> closing;        // the window has been asked to close
    std::function<void()> stop;           // clocks, input and sound stop
    std::function<void()> start;          // and start again
};

// Returns at once unless `state` is paused. Otherwise prints "Paused", stops
// the game and waits for events until the state is no longer paused, then
// starts the game again and prints "Resumed". False when the window was asked
// to close while paused: the wait ends there, and so does the run.
bool sitOutPause(const PauseState& state, const PauseHooks& hooks);
