#include "app/input/gamepad_mapping.h"

#include <algorithm>
#include <cmath>

#include "app/input/control_settings.h"

namespace {

// sin(22.5 degrees): a stick direction counts for an axis when it lies within
// 67.5 degrees of it, so the eight directions each get a 45-degree sector.
constexpr float AxisShareOfDirection = 0.38268343f;

glm::vec2 stick(const GLFWgamepadstate& state, int xAxis, int yAxis)
{
    return {state.axes[xAxis], state.axes[yAxis]};
}

bool pressed(const GLFWgamepadstate& state, int button)
{
    return state.buttons[button] == GLFW_PRESS;
}

// GLFW reports a stick pushed up as y = -1.
void addWalkingKeys(const glm::vec2& move, std::vector<int>& keys)
{
    const float length = std::hypot(move.x, move.y);
    if (length < MoveStickDeadZone)
        return;
    const float share = AxisShareOfDirection * length;
    if (move.y <= -share)
        keys.push_back(GLFW_KEY_W);
    if (move.y >= share)
        keys.push_back(GLFW_KEY_S);
    if (move.x <= -share)
        keys.push_back(GLFW_KEY_A);
    if (move.x >= share)
        keys.push_back(GLFW_KEY_D);
}

// Deflection beyond the dead zone, rescaled so the turn starts from nothing
// there and reaches full speed at full tilt.
glm::vec2 lookDeflection(const glm::vec2& look)
{
    const float length = std::hypot(look.x, look.y);
    if (length <= LookStickDeadZone)
        return glm::vec2(0.0f);
    const float strength = std::min((length - LookStickDeadZone) / (1.0f - LookStickDeadZone), 1.0f);
    return look * (strength / length);
}

}  // namespace

GamepadFrame mapGamepad(const GLFWgamepadstate& state, const ControlSettings& controls, float frameTime)
{
    GamepadFrame frame;
    addWalkingKeys(stick(state, GLFW_GAMEPAD_AXIS_LEFT_X, GLFW_GAMEPAD_AXIS_LEFT_Y), frame.keys);
    if (pressed(state, GLFW_GAMEPAD_BUTTON_RIGHT_BUMPER) ||
        state.axes[GLFW_GAMEPAD_AXIS_RIGHT_TRIGGER] > TriggerHeldFrom)
        frame.keys.push_back(GLFW_KEY_B);
    const int buttonKeys[][2] = {{GLFW_GAMEPAD_BUTTON_A, GLFW_KEY_SPACE},
                                 {GLFW_GAMEPAD_BUTTON_START, GLFW_KEY_F9},
                                 {GLFW_GAMEPAD_BUTTON_Y, GLFW_KEY_F10},
                                 {GLFW_GAMEPAD_BUTTON_BACK, GLFW_KEY_F11}};
    for (const auto& [button, key] : buttonKeys) {
        if (pressed(state, button))
            frame.keys.push_back(key);
    }

    const glm::vec2 look = lookDeflection(stick(state, GLFW_GAMEPAD_AXIS_RIGHT_X, GLFW_GAMEPAD_AXIS_RIGHT_Y));
    const float turn = controls.gamepadLookSpeed * frameTime;
    frame.look = glm::vec2(look.x * turn, (controls.invertY ? -look.y : look.y) * turn);
    return frame;
}
