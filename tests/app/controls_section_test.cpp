// The [controls] section: defaults, the accepted ranges and the one line a
// value outside them gets.
#include "app/controls_section.h"

#include <gtest/gtest.h>

#include "app/settings.h"
#include "support/scratch_folder.h"

TEST(ControlsSection, ReadsEachKeyWithinItsRange)
{
    struct Case {
        const char* lines;  // of [controls]
        float mouseSensitivity;
        bool invertY;
        float lookSpeed;
        const char* note;  // "" for none
    };
    const Case cases[] = {
        {"", 1.0f, false, 3.0f, ""},
        {"mouse_sensitivity = 2.5\ninvert_y = yes\ngamepad_look_speed = 5", 2.5f, true, 5.0f, ""},
        {"mouse_sensitivity = 0.05\ngamepad_look_speed = 20", 0.05f, false, 20.0f, ""},
        {"mouse_sensitivity = 50", 20.0f, false, 3.0f,
         "Setting [controls] mouse_sensitivity = 50 is outside 0.05 to 20; using 20"},
        {"mouse_sensitivity = -1", 0.05f, false, 3.0f,
         "Setting [controls] mouse_sensitivity = -1 is outside 0.05 to 20; using 0.05"},
        {"mouse_sensitivity = nan", 1.0f, false, 3.0f,
         "Setting [controls] mouse_sensitivity = nan is not a number; using 1"},
        {"gamepad_look_speed = 0", 1.0f, false, 0.1f,
         "Setting [controls] gamepad_look_speed = 0 is outside 0.1 to 20; using 0.1"},
        {"mouse_sensitivity = fast\ninvert_y = maybe", 1.0f, false, 3.0f, ""},
    };
    const ScratchFolder folder{"korvel-controls"};
    for (const Case& c : cases) {
        const SettingsFile file("window.ini",
                                folder.write("window.ini", std::string("[controls]\n") + c.lines));
        std::vector<std::string> notes;
        const ControlSettings controls = readControlSettings(file, notes);
        EXPECT_EQ(controls.mouseSensitivity, c.mouseSensitivity) << c.lines;
        EXPECT_EQ(controls.invertY, c.invertY) << c.lines;
        EXPECT_EQ(controls.gamepadLookSpeed, c.lookSpeed) << c.lines;
        EXPECT_EQ(notes, *c.note ? std::vector<std::string>{c.note} : std::vector<std::string>{}) << c.lines;
    }
}
