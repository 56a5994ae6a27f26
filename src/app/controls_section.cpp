#include "app/controls_section.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "app/settings.h"

namespace {

std::string number(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

float boundedReal(const SettingsFile& file, const char* name, float defaultValue, float low, float high,
                  std::vector<std::string>& notes)
{
    const double value = file.getReal("controls", name, defaultValue);
    const std::string setting = std::string("Setting [controls] ") + name + " = " + number(value);
    if (std::isnan(value)) {
        notes.push_back(setting + " is not a number; using " + number(defaultValue));
        return defaultValue;
    }
    // Compared as the float the game uses, so that 0.05 is the lower end itself
    // (narrowed from within a float's range: anything beyond is outside anyway).
    const float narrowed = static_cast<float>(std::clamp(value, -1e30, 1e30));
    const float used = std::clamp(narrowed, low, high);
    if (used != narrowed)
        notes.push_back(setting + " is outside " + number(low) + " to " + number(high) + "; using " +
                        number(used));
    return used;
}

}  // namespace

ControlSettings readControlSettings(const SettingsFile& file, std::vector<std::string>& notes)
{
    const ControlSettings defaults;
    ControlSettings controls;
    controls.mouseSensitivity = boundedReal(file, "mouse_sensitivity", defaults.mouseSensitivity,
                                            MinMouseSensitivity, MaxMouseSensitivity, notes);
    controls.invertY = file.getBool("controls", "invert_y", defaults.invertY);
    controls.gamepadLookSpeed = boundedReal(file, "gamepad_look_speed", defaults.gamepadLookSpeed,
                                            MinGamepadLookSpeed, MaxGamepadLookSpeed, notes);
    return controls;
}
