// The game's sounds and the files they are read from.
//
// Every sound is a mono WAV under assets/sounds/, made by tools/assetgen. The
// first three loop (positioned in the level); the rest are one-shots heard at
// the listener.
#pragma once

#include <cstddef>

enum class SoundId {
    TorchCrackle,
    LavaRumble,
    SpiderSkitter,
    Footstep,
    Jump,
    Landing,
    Bite,
    GameOver,
    Victory,
    Respawn,
    Restart,
    QuickSave,
};

constexpr std::size_t SoundCount = 12;

// Relative asset path of the sound's file, e.g. "assets/sounds/bite.wav".
const char* soundAssetPath(SoundId sound);
