// The game's sounds as OpenAL buffers, one per SoundId, read once at start-up.
//
// A sound whose file is missing or unusable prints one line and stays silent
// (buffer 0); the game never stops for a sound. Needs a current OpenAL context
// for its whole life.
#pragma once

#include <array>

#include "audio/sound_set.h"

class SoundBank {
public:
    SoundBank();
    ~SoundBank();
    SoundBank(const SoundBank&) = delete;
    SoundBank& operator=(const SoundBank&) = delete;

    // The sound's buffer, or 0 for a silent one.
    unsigned int buffer(SoundId sound) const { return buffers[static_cast<std::size_t>(sound)]; }
    // Length of the sound in frames (0 for a silent one).
    int frameCount(SoundId sound) const { return frames[static_cast<std::size_t>(sound)]; }

private:
    std::array<unsigned int, SoundCount> buffers{};
    std::array<int, SoundCount> frames{};
};
