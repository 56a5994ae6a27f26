// The gamepad the player uses, read once a frame through GLFW's gamepad API
// (its built-in mappings give every known pad the standard layout).
//
// The first connected pad with a mapping is used; when it goes, the next one
// present takes over. "Gamepad connected: " with the pad's name and "Gamepad
// disconnected" say when one comes or goes.
#pragma once

#include <optional>

#include <GLFW/glfw3.h>

class Gamepad {
public:
    // This frame's state of the pad in use, or nothing when none is connected.
    std::optional<GLFWgamepadstate> poll();

private:
    int joystick = -1;  // GLFW_JOYSTICK_* of the pad in use; -1: none
};
