// What a gamepad's state means to the game, frame by frame: the keys it holds
// and how far it turns the view.
//
// GLFW's standard mapping gives every pad the same layout. The left stick
// walks as W, A, S and D would (beyond a dead zone, in eight directions, so a
// stick pushed mostly forward holds W alone); the right stick looks around; A
// jumps (Space), the right shoulder button or trigger sprints (B), Start
// restarts (F9), Y prints the position (F10) and Back saves (F11). Pure: no
// device, so it is tested on made-up states.
#pragma once

#include <vector>

#include <GLFW/glfw3.h>
#include <glm/vec2.hpp>

struct ControlSettings;

// Stick deflections (0 to 1) that count as resting: sticks rarely centre exactly.
constexpr float MoveStickDeadZone = 0.25f;
constexpr float LookStickDeadZone = 0.15f;
// A trigger (-1 released to 1 pulled) counts as held from halfway.
constexpr float TriggerHeldFrom = 0.0f;

struct GamepadFrame {
    std::vector<int> keys;  // GLFW_KEY_* codes held, as if on the keyboard
    // Turn of this frame in radians: x to the right, y downwards (as the mouse).
    glm::vec2 look{0.0f};
};

// `frameTime` in seconds scales the look: full tilt turns the view at the
// settings' look speed, inverted vertically with invert_y.
GamepadFrame mapGamepad(const GLFWgamepadstate& state, const ControlSettings& controls, float frameTime);
