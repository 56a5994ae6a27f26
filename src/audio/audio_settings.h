// The player's sound settings: the [audio] section of window.ini.
#pragma once

struct AudioSettings {
    float volume = 0.8f;  // 0 (silent) to 1 (full), the listener's gain
    bool mute = false;    // true: no device is opened at all
};
