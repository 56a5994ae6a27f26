// The game's sounds, synthesised from hashed noise and sine tones: no recording
// goes into them, and the same build always makes the same samples.
//
// Every sound is mono at SoundSampleRate. The looping ones (torch, lava, spider)
// end where they begin, so they loop without a click.
#pragma once

#include <string>
#include <vector>

constexpr int SoundSampleRate = 24000;

struct GeneratedSound {
    std::string fileName;         // below assets/sounds/
    std::vector<double> samples;  // in [-1, 1]
};

std::vector<GeneratedSound> gameSounds();
