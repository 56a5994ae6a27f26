// Alt+Enter: the window goes full screen on the monitor it is on, at that
// monitor's current video mode, and comes back to the place and size it had.
#pragma once

#include <vector>

struct GLFWwindow;
struct WindowSettings;

struct ScreenRect {
    int x = 0;  // screen coordinates of the top-left corner
    int y = 0;
    int width = 0;
    int height = 0;
};

// Index of the monitor whose area holds most of the window; 0 (the primary
// monitor, first in GLFW's list) when the window lies on none of them.
std::size_t monitorUnderWindow(const ScreenRect& window, const std::vector<ScreenRect>& monitors);

class FullScreenSwitch {
public:
    // A game that starts in full screen goes back to a window of the settings'
    // size, in the middle of its monitor.
    FullScreenSwitch(GLFWwindow* window, const WindowSettings& settings);

    // Switches and prints "Full screen: 1" or "Full screen: 0".
    void toggle();

private:
    GLFWwindow* window;
    ScreenRect windowed;  // where the window goes back to
    bool windowedPlaceKnown;
};
