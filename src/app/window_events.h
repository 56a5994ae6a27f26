// What the window tells the frame loop: the focus and minimising that pause
// live play, a change of the framebuffer's size, and the two keys that act on
// the window itself (Alt+Enter, F12). GLFW's callbacks note them here; the
// frame loop acts on them at its own points of the frame.
//
// The frame loop puts a WindowTarget into the window's user pointer for as long
// as it runs; events while none is set are ignored.
#pragma once

#include "app/pause_state.h"

struct GLFWwindow;
class Camera;
class RunOptions;

struct WindowEvents {
    PauseState pause;
    bool resized = false;           // the framebuffer changed size since the loop last looked
    bool fullScreenWanted = false;  // Alt+Enter
    bool screenshotWanted = false;  // F12
};

struct WindowTarget {
    RunOptions& run;
    Camera& camera;
    WindowEvents& events;
};

// The target the frame loop has set, or null.
WindowTarget* windowTarget(GLFWwindow* window);

// Focus, minimising and framebuffer size callbacks, noting into the target.
void installWindowEventCallbacks(GLFWwindow* window);
