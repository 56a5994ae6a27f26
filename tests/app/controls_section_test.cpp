// The [controls] section: defaults, the accepted ranges and the line a value
// outside them gets.
#include "app/controls_section.h"

#include <gtest/gtest.h>

#include "app/settings.h"
#include "support/scratch_folder.h"

namespace {

struct ControlsCase {
    const char* name;
    const char* section;  // the [controls] lines
    float mouseSensitivity;
    bool invertY;
    float gamepadLookSpeed;
    const char* note;  // the one line expected, or "" for none
};

void PrintTo(const ControlsCase& c, std::ostream* os)
{
    *os << c.name;
}

const ControlsCase ControlsCases[] = {
    {"Defaults", "", 1.0f, false, 3.0f, ""},
    {"InsideTheRanges", "mouse_sensitivity = 2.5\ninvert_y = yes\ngamepad_look_speed = 5\n", 2.5f, true, 5.0f,
     ""},
    {"RangeEndsAreAccepted", "mouse_sensitivity = 0.05\ngamepad_look_speed = 20\n", 0.05f, false, 20.0f, ""},
    {"TooFastUsesTheTop", "mouse_sensitivity = 50\n", 20.0f, false, 3.0f,
     "Setting [controls] mouse_sensitivity = 50 is outside 0.05 to 20; using 20"},
    {"NegativeUsesTheBottom", "mouse_sensitivity = -1\n", 0.05f, false, 3.0f,
     "Setting [controls] mouse_sensitivity = -1 is outside 0.05 to 20; using 0.05"},
    {"NotANumberUsesTheDefault", "mouse_sensitivity = nan\n", 1.0f, false, 3.0f,
     "Setting [controls] mouse_sensitivity = nan is not a number; using 1"},
    {"LookSpeedZeroUsesTheBottom", "gamepad_look_speed = 0\n", 1.0f, false, 0.1f,
     "Setting [controls] gamepad_look_speed = 0 is outside 0.1 to 20; using 0.1"},
    {"UnreadableWordsKeepTheDefaults", "mouse_sensitivity = fast\ninvert_y = maybe\n", 1.0f, false, 3.0f, ""},
};

class ControlsSection : public ::testing::TestWithParam<ControlsCase> {
protected:
    const ScratchFolder folder{"korvel-controls"};
};

}  // namespace

TEST_P(ControlsSection, ReadsEachKeyWithinItsRange)
{
    const ControlsCase& c = GetParam();
    const SettingsFile file("window.ini",
                            folder.write("window.ini", std::string("[controls]\n") + c.section));
    std::vector<std::string> notes;
    const ControlSettings controls = readControlSettings(file, notes);
    EXPECT_EQ(controls.mouseSensitivity, c.mouseSensitivity);
    EXPECT_EQ(controls.invertY, c.invertY);
    EXPECT_EQ(controls.gamepadLookSpeed, c.gamepadLookSpeed);
    EXPECT_EQ(notes,
              std::string(c.note).empty() ? std::vector<std::string>{} : std::vector<std::string>{c.note});
}

INSTANTIATE_TEST_SUITE_P(Values, ControlsSection, ::testing::ValuesIn(ControlsCases),
                         [](const auto& info) { return std::string(info.param.name); });
