// The player's controls: the [controls] section of window.ini.
//
// The mouse turns the camera at the game's fixed rate (MouseSensitivity radians
// per cursor unit) times `mouseSensitivity`; a gamepad's right stick turns it at
// `gamepadLookSpeed` radians per second at full tilt. `invertY` turns both
// vertical axes round: moving up looks down.
#pragma once

constexpr float MinMouseSensitivity = 0.05f;
constexpr float MaxMouseSensitivity = 20.0f;
constexpr float MinGamepadLookSpeed = 0.1f;  // radians per second
constexpr float MaxGamepadLookSpeed = 20.0f;

struct ControlSettings {
    float mouseSensitivity = 1.0f;  // multiplier of the game's fixed mouse rate
    bool invertY = false;
    float gamepadLookSpeed = 3.0f;  // radians per second at full tilt (about half a turn a second)
};
