#include "app/input/gamepad.h"

#include "framework/console.h"

std::optional<GLFWgamepadstate> Gamepad::poll()
{
    if (joystick >= 0 && !glfwJoystickIsGamepad(joystick)) {
        joystick = -1;
        printLine("Gamepad disconnected");
    }
    for (int candidate = GLFW_JOYSTICK_1; joystick < 0 && candidate <= GLFW_JOYSTICK_LAST; ++candidate) {
        if (!glfwJoystickIsGamepad(candidate))
            continue;
        joystick = candidate;
        const char* name = glfwGetGamepadName(candidate);
        printLine(std::string("Gamepad connected: ") + (name != nullptr ? name : "(no name)"));
    }
    GLFWgamepadstate state;
    if (joystick < 0 || !glfwGetGamepadState(joystick, &state))
        return std::nullopt;
    return state;
}
