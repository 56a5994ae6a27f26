// The window as the player handles it while the frame loop runs: pausing when
// away from it, the picture's shape as the window changes, F12 and Alt+Enter.
//
// Made at the start of the loop, it puts the loop's WindowTarget into the
// window's user pointer and takes it out again when it goes.
#pragma once

#include "app/full_screen.h"
#include "app/pause_state.h"
#include "app/view_aspect.h"
#include "app/window_events.h"

struct GLFWwindow;
struct WindowSettings;
class Camera;
class GameAudio;
class RunOptions;

class WindowControls {
public:
    // `headless`: a picture of the settings, which no window key changes.
    WindowControls(GLFWwindow* window, RunOptions& run, Camera& camera, GameAudio& audio,
                   const WindowSettings& settings, bool headless);
    ~WindowControls();
    WindowControls(const WindowControls&) = delete;
    WindowControls& operator=(const WindowControls&) = delete;

    // Before a frame: while the player is away from a live game, nothing of
    // it runs. False when the window was closed meanwhile.
    bool sitOutPause();
    // The projection's aspect ratio for this frame's framebuffer.
    float aspect(int framebufferWidth, int framebufferHeight);
    // Before the swap: F12 saves the frame as it is about to be shown.
    void beforeSwap(int framebufferWidth, int framebufferHeight);
    // After the swap: Alt+Enter switches between frames.
    void afterSwap();

private:
    GLFWwindow* window;
    WindowEvents events;
    WindowTarget target;
    PauseHooks pauseHooks;
    ViewAspect viewAspect;
    FullScreenSwitch fullScreen;
    bool windowKeys;
};
