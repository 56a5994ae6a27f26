// The OpenAL device and its context, owned for as long as the game plays sound.
//
// Two kinds: the system's default output for play, and a loopback device
// (ALC_SOFT_loopback) that mixes only when asked, so that a recorded run gets
// exactly the samples of its own frames whatever the machine's speed. Only one
// device exists at a time: its context is the process's current one.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include <AL/alc.h>

// The loopback device's output: 16-bit stereo at this rate (frames per second).
constexpr int LoopbackSampleRate = 48000;
constexpr int LoopbackChannels = 2;

class AudioDevice {
public:
    // The default output device, or null with `error` saying why.
    static std::unique_ptr<AudioDevice> openDefault(std::string& error);
    // A loopback device rendering LoopbackSampleRate stereo, or null with `error`.
    static std::unique_ptr<AudioDevice> openLoopback(std::string& error);

    ~AudioDevice();
    AudioDevice(const AudioDevice&) = delete;
    AudioDevice& operator=(const AudioDevice&) = delete;

    // Mixes the next `frames` stereo frames into `interleaved` (2 × frames
    // samples). Loopback devices only.
    void render(std::int16_t* interleaved, int frames);

    // Holds every sound where it is, and lets it go on. A loopback device only
    // mixes when asked, so it needs neither.
    void pause();
    void resume();

private:
    using RenderFunction = void(ALC_APIENTRY*)(ALCdevice*, ALCvoid*, ALCsizei);
    AudioDevice(ALCdevice* device, ALCcontext* context, RenderFunction render);
    static std::unique_ptr<AudioDevice> withContext(ALCdevice* device, const int* attributes,
                                                    RenderFunction render, std::string& error);

    ALCdevice* device = nullptr;
    ALCcontext* context = nullptr;
    RenderFunction renderSamples = nullptr;
    float gainBeforePause = 1.0f;  // the listener's, where the device cannot pause itself
};
