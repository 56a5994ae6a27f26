// A gamepad's state to keys and look, on made-up states: dead zones, the eight
// walking directions, both sticks at once and buttons held over frames.
#include "app/input/gamepad_mapping.h"

#include <algorithm>
#include <cmath>

#include <gtest/gtest.h>

#include "app/input/control_settings.h"

namespace {

struct PadCase {
    const char* name;
    glm::vec2 leftStick;
    glm::vec2 rightStick;
    float rightTrigger;  // -1 released
    std::vector<int> buttons;
    std::vector<int> keys;  // held, in any order
    glm::vec2 look;         // radians over the frame
};

void PrintTo(const PadCase& c, std::ostream* os)
{
    *os << c.name;
}

constexpr float FrameTime = 0.5f;
// Full tilt over the frame at the default 3 radians per second.
constexpr float FullTurn = 1.5f;

const PadCase PadCases[] = {
    {"AtRestNothing", {0.0f, 0.0f}, {0.0f, 0.0f}, -1.0f, {}, {}, {0.0f, 0.0f}},
    {"InsideTheDeadZonesNothing", {0.2f, -0.1f}, {0.1f, 0.1f}, -1.0f, {}, {}, {0.0f, 0.0f}},
    {"ForwardBeyondTheDeadZone", {0.0f, -0.4f}, {0.0f, 0.0f}, -1.0f, {}, {GLFW_KEY_W}, {0.0f, 0.0f}},
    {"MostlyForwardIsForwardAlone", {0.3f, -0.9f}, {0.0f, 0.0f}, -1.0f, {}, {GLFW_KEY_W}, {0.0f, 0.0f}},
    {"DiagonalHoldsBothKeys", {0.7f, -0.7f}, {0.0f, 0.0f}, -1.0f, {}, {GLFW_KEY_W, GLFW_KEY_D}, {0.0f, 0.0f}},
    {"BackAndLeft", {-0.5f, 0.6f}, {0.0f, 0.0f}, -1.0f, {}, {GLFW_KEY_S, GLFW_KEY_A}, {0.0f, 0.0f}},
    {"BothSticks", {0.0f, -1.0f}, {1.0f, 0.0f}, -1.0f, {}, {GLFW_KEY_W}, {FullTurn, 0.0f}},
    {"HalfTiltBeyondTheDeadZoneTurnsAtHalfSpeed",
     {0.0f, 0.0f},
     {0.0f, 0.575f},
     -1.0f,
     {},
     {},
     {0.0f, 0.5f * FullTurn}},
    {"ButtonsAreTheirKeys",
     {0.0f, 0.0f},
     {0.0f, 0.0f},
     -1.0f,
     {GLFW_GAMEPAD_BUTTON_A, GLFW_GAMEPAD_BUTTON_START, GLFW_GAMEPAD_BUTTON_Y, GLFW_GAMEPAD_BUTTON_BACK},
     {GLFW_KEY_SPACE, GLFW_KEY_F9, GLFW_KEY_F10, GLFW_KEY_F11},
     {0.0f, 0.0f}},
    {"ShoulderSprints",
     {0.0f, 0.0f},
     {0.0f, 0.0f},
     -1.0f,
     {GLFW_GAMEPAD_BUTTON_RIGHT_BUMPER},
     {GLFW_KEY_B},
     {0.0f, 0.0f}},
    {"TriggerPastHalfwaySprints", {0.0f, 0.0f}, {0.0f, 0.0f}, 0.4f, {}, {GLFW_KEY_B}, {0.0f, 0.0f}},
    {"TriggerBarelyPulledDoesNot", {0.0f, 0.0f}, {0.0f, 0.0f}, -0.5f, {}, {}, {0.0f, 0.0f}},
    {"OtherButtonsDoNothing",
     {0.0f, 0.0f},
     {0.0f, 0.0f},
     -1.0f,
     {GLFW_GAMEPAD_BUTTON_B, GLFW_GAMEPAD_BUTTON_X, GLFW_GAMEPAD_BUTTON_LEFT_BUMPER},
     {},
     {0.0f, 0.0f}},
};

GLFWgamepadstate padState(const PadCase& c)
{
    GLFWgamepadstate state{};
    state.axes[GLFW_GAMEPAD_AXIS_LEFT_X] = c.leftStick.x;
    state.axes[GLFW_GAMEPAD_AXIS_LEFT_Y] = c.leftStick.y;
    state.axes[GLFW_GAMEPAD_AXIS_RIGHT_X] = c.rightStick.x;
    state.axes[GLFW_GAMEPAD_AXIS_RIGHT_Y] = c.rightStick.y;
    state.axes[GLFW_GAMEPAD_AXIS_LEFT_TRIGGER] = -1.0f;
    state.axes[GLFW_GAMEPAD_AXIS_RIGHT_TRIGGER] = c.rightTrigger;
    for (int button : c.buttons)
        state.buttons[button] = GLFW_PRESS;
    return state;
}

std::vector<int> sorted(std::vector<int> keys)
{
    std::sort(keys.begin(), keys.end());
    return keys;
}

class PadStates : public ::testing::TestWithParam<PadCase> {};

}  // namespace

TEST_P(PadStates, MapToKeysAndLook)
{
    const GamepadFrame frame = mapGamepad(padState(GetParam()), ControlSettings{}, FrameTime);
    EXPECT_EQ(sorted(frame.keys), sorted(GetParam().keys));
    EXPECT_NEAR(frame.look.x, GetParam().look.x, 1e-5f);
    EXPECT_NEAR(frame.look.y, GetParam().look.y, 1e-5f);
}

INSTANTIATE_TEST_SUITE_P(Cases, PadStates, ::testing::ValuesIn(PadCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PadSettings, LookSpeedAndInversionScaleTheRightStick)
{
    ControlSettings controls;
    controls.gamepadLookSpeed = 4.0f;
    controls.invertY = true;
    const GamepadFrame frame =
        mapGamepad(padState({"", {}, {-1.0f, 1.0f}, -1.0f, {}, {}, {}}), controls, 0.25f);
    // Diagonal full tilt: the stick's length is capped at one.
    EXPECT_NEAR(frame.look.x, -std::sqrt(0.5f), 1e-5f);
    EXPECT_NEAR(frame.look.y, -std::sqrt(0.5f), 1e-5f);
}

// Keys are polled by level: a held button holds its key every frame until released.
TEST(PadFrames, AHeldButtonHoldsItsKeyEveryFrame)
{
    const std::vector<std::vector<int>> buttonsByFrame = {
        {GLFW_GAMEPAD_BUTTON_A}, {GLFW_GAMEPAD_BUTTON_A, GLFW_GAMEPAD_BUTTON_Y}, {GLFW_GAMEPAD_BUTTON_Y}, {}};
    const std::vector<std::vector<int>> keysByFrame = {
        {GLFW_KEY_SPACE}, {GLFW_KEY_SPACE, GLFW_KEY_F10}, {GLFW_KEY_F10}, {}};
    for (std::size_t frame = 0; frame < buttonsByFrame.size(); ++frame) {
        const PadCase state{"", {}, {}, -1.0f, buttonsByFrame[frame], {}, {}};
        EXPECT_EQ(sorted(mapGamepad(padState(state), ControlSettings{}, FrameTime).keys),
                  sorted(keysByFrame[frame]))
            << "frame " << frame;
    }
}
