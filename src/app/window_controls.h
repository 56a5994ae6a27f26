// The window as the player handles it while the frame loop runs: pausing when
// away from it.
//
// Made at the start of the loop, it puts the loop's WindowTarget into the
// window's user pointer and takes it out again when it goes.
#pragma once

#include "app/pause_state.h"
#include "app/window_events.h"

struct GLFWwindow;
class Camera;
class GameAudio;
class RunOptions;

class WindowControls {
public:
    WindowControls(GLFWwindow* window, RunOptions& run, Camera& camera, GameAudio& audio);
    ~WindowControls();
    WindowControls(const WindowControls&) = delete;
    WindowControls& operator=(const WindowControls&) = delete;

    // Before a frame: while the player is away from a live game, nothing of
    // it runs. False when the window was closed meanwhile.
    bool sitOutPause();

private:
    GLFWwindow* window;
    WindowEvents events;
    WindowTarget target;
    PauseHooks pauseHooks;
};
