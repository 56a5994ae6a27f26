// Reads the [controls] section of window.ini: mouse sensitivity, inverted
// vertical look and the gamepad's look speed.
#pragma once

#include <string>
#include <vector>

#include "app/input/control_settings.h"

class SettingsFile;

// A value outside its range is used at the nearer end of it, and one that is
// no number at all ("nan") as the default; each gets one line in `notes` that
// says what was used instead.
ControlSettings readControlSettings(const SettingsFile& file, std::vector<std::string>& notes);
