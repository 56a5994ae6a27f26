// A gamepad's state to keys and look, on made-up states: dead zones, the eight
// walking directions, both sticks at once and buttons held over frames.
#include "app/input/gamepad_mapping.h"

#include <algorithm>
#include <cmath>

#include <gtest/gtest.h>

#include "app/input/control_settings.h"

namespace {

struct Pad {
    Pad(glm::vec2 left = glm::vec2(0.0f), glm::vec2 right = glm::vec2(0.0f), float rightTrigger = -1.0f,
        std::vector<int> buttons = {})
        : left(left), right(right), rightTrigger(rightTrigger), buttons(std::move(buttons))
    {
    }
    glm::vec2 left;
    glm::vec2 right;
    float rightTrigger;  // -1 released
    std::vector<int> buttons;
};

// Mapped over half a second at the default 3 radians per second, full tilt
// turning 1.5 radians; keys sorted.
GamepadFrame mapped(const Pad& pad, bool invertY = false)
{
    GLFWgamepadstate state{};
    state.axes[GLFW_GAMEPAD_AXIS_LEFT_X] = pad.left.x;
    state.axes[GLFW_GAMEPAD_AXIS_LEFT_Y] = pad.left.y;
    state.axes[GLFW_GAMEPAD_AXIS_RIGHT_X] = pad.right.x;
    state.axes[GLFW_GAMEPAD_AXIS_RIGHT_Y] = pad.right.y;
    state.axes[GLFW_GAMEPAD_AXIS_LEFT_TRIGGER] = -1.0f;
    state.axes[GLFW_GAMEPAD_AXIS_RIGHT_TRIGGER] = pad.rightTrigger;
    for (int button : pad.buttons)
        state.buttons[button] = GLFW_PRESS;
    ControlSettings controls;
    controls.invertY = invertY;
    GamepadFrame frame = mapGamepad(state, controls, 0.5f);
    std::sort(frame.keys.begin(), frame.keys.end());
    return frame;
}

}  // namespace

TEST(GamepadMapping, StatesGiveKeysAndLook)
{
    const float diagonal = 1.5f * std::sqrt(0.5f);  // full tilt is capped at one
    struct Case {
        const char* name;
        Pad pad;
        bool invertY;
        std::vector<int> keys;  // sorted
        glm::vec2 look;
    };
    const Case cases[] = {
        {"inside the dead zones", {{0.2f, -0.1f}, {0.1f, 0.1f}}, false, {}, {0.0f, 0.0f}},
        {"forward past the dead zone", {{0.0f, -0.4f}}, false, {GLFW_KEY_W}, {0.0f, 0.0f}},
        {"mostly forward", {{0.3f, -0.9f}}, false, {GLFW_KEY_W}, {0.0f, 0.0f}},
        {"diagonal", {{0.7f, -0.7f}}, false, {GLFW_KEY_D, GLFW_KEY_W}, {0.0f, 0.0f}},
        {"back left", {{-0.5f, 0.6f}}, false, {GLFW_KEY_A, GLFW_KEY_S}, {0.0f, 0.0f}},
        {"both sticks", {{0.0f, -1.0f}, {1.0f, 0.0f}}, false, {GLFW_KEY_W}, {1.5f, 0.0f}},
        {"half tilt past the dead zone", {{}, {0.0f, 0.575f}}, false, {}, {0.0f, 0.75f}},
        {"inverted diagonal look", {{}, {-1.0f, 1.0f}}, true, {}, {-diagonal, -diagonal}},
        {"buttons",
         {{},
          {},
          -1.0f,
          {GLFW_GAMEPAD_BUTTON_A, GLFW_GAMEPAD_BUTTON_START, GLFW_GAMEPAD_BUTTON_Y,
           GLFW_GAMEPAD_BUTTON_BACK}},
         false,
         {GLFW_KEY_SPACE, GLFW_KEY_F9, GLFW_KEY_F10, GLFW_KEY_F11},
         {0.0f, 0.0f}},
        {"shoulder sprints", {{}, {}, -1.0f, {GLFW_GAMEPAD_BUTTON_RIGHT_BUMPER}}, false, {GLFW_KEY_B}, {}},
        {"trigger past halfway sprints", {{}, {}, 0.4f}, false, {GLFW_KEY_B}, {0.0f, 0.0f}},
        {"trigger barely pulled", {{}, {}, -0.5f}, false, {}, {0.0f, 0.0f}},
        {"other buttons",
         {{}, {}, -1.0f, {GLFW_GAMEPAD_BUTTON_B, GLFW_GAMEPAD_BUTTON_X, GLFW_GAMEPAD_BUTTON_LEFT_BUMPER}},
         false,
         {},
         {0.0f, 0.0f}},
    };
    for (const Case& c : cases) {
        const GamepadFrame frame = mapped(c.pad, c.invertY);
        EXPECT_EQ(frame.keys, c.keys) << c.name;
        EXPECT_NEAR(frame.look.x, c.look.x, 1e-5f) << c.name;
        EXPECT_NEAR(frame.look.y, c.look.y, 1e-5f) << c.name;
    }
}

// Keys are polled by level: a held button holds its key every frame until let go.
TEST(GamepadMapping, AHeldButtonHoldsItsKeyEveryFrame)
{
    const std::vector<std::pair<std::vector<int>, std::vector<int>>> frames = {
        {{GLFW_GAMEPAD_BUTTON_A}, {GLFW_KEY_SPACE}},
        {{GLFW_GAMEPAD_BUTTON_A, GLFW_GAMEPAD_BUTTON_Y}, {GLFW_KEY_SPACE, GLFW_KEY_F10}},
        {{GLFW_GAMEPAD_BUTTON_Y}, {GLFW_KEY_F10}},
        {{}, {}}};
    for (std::size_t i = 0; i < frames.size(); ++i)
        EXPECT_EQ(mapped({{}, {}, -1.0f, frames[i].first}).keys, frames[i].second) << "frame " << i;
}
