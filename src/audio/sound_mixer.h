// Plays the director's frames through OpenAL sources: the listener, a few
// looping torch voices, the lava's rumble, a skitter per spider, and a small
// ring of sources for the one-shots heard at the listener.
//
// Needs a current OpenAL context and the bank for its whole life. Positions are
// world units; OpenAL's inverse-distance model makes far sources quiet.
#pragma once

#include <array>
#include <vector>

#include <glm/vec3.hpp>

#include "audio/sound_director.h"

class SoundBank;

// One-shots that can sound at once; the oldest is cut when a ninth starts.
constexpr std::size_t OneShotVoiceCount = 8;

class SoundMixer {
public:
    // `volume` in [0, 1] scales everything (the listener's gain).
    SoundMixer(const SoundBank& bank, std::vector<glm::vec3> torchPositions, const glm::vec3& lavaPosition,
               std::size_t spiderCount, float volume);
    ~SoundMixer();
    SoundMixer(const SoundMixer&) = delete;
    SoundMixer& operator=(const SoundMixer&) = delete;

    void play(const SoundFrame& frame);

private:
    void placeListener(const ListenerPose& listener);
    void playTorches(const TorchVoices& wanted);
    void playSpiders(const std::vector<SpiderVoice>& spiders);
    void startOneShot(SoundId sound);

    const SoundBank& bank;
    std::vector<glm::vec3> torchPositions;
    std::array<unsigned int, TorchVoiceCount> torchSources{};
    TorchVoices playingTorches{};
    unsigned int lavaSource = 0;
    std::vector<unsigned int> spiderSources;
    std::array<unsigned int, OneShotVoiceCount> oneShotSources{};
    std::size_t nextOneShot = 0;
};
