// Times the sound's work per frame on the main thread and prints it; asserts
// nothing. A listener walks through the 60 real torch positions with four
// spiders patrolling beside it, a footstep pace and a bite every second.
//
// Printed side by side, per frame: the floor (filling in the frame's input
// only), the director's decisions, decisions plus the OpenAL calls (what live
// play costs the main thread; a real device mixes on OpenAL's own thread), and
// that plus rendering the frame's samples (what --record_audio adds).
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/lighting.h"
#include "audio/audio_device.h"
#include "audio/sound_bank.h"
#include "audio/sound_director.h"
#include "audio/sound_mixer.h"

namespace {

constexpr int FrameCount = 6000;
constexpr float FrameSeconds = 1.0f / 60.0f;
constexpr int SamplesPerFrame = LoopbackSampleRate / 60;

AudioFrameInput frameInput(int frame, const std::vector<glm::vec3>& torches)
{
    AudioFrameInput input;
    input.deltaTime = FrameSeconds;
    // Along the torches one after the other, a torch every 100 frames.
    const std::size_t at = static_cast<std::size_t>(frame / 100) % torches.size();
    const std::size_t next = (at + 1) % torches.size();
    const float t = static_cast<float>(frame % 100) / 100.0f;
    input.playerPosition = torches[at] + (torches[next] - torches[at]) * t;
    input.playerPosition.y = 1.9f;
    input.listener.position = input.playerPosition + glm::vec3(0.0f, 0.6f, 0.0f);
    for (int s = 0; s < 4; ++s)
        input.spiderPositions.push_back(
            input.playerPosition + glm::vec3(5.0f + static_cast<float>(frame % 240) * 0.1f, 0.0f, 3.0f * s));
    input.events.bites = frame % 60 == 0 ? 1 : 0;
    return input;
}

struct Figures {
    double meanMs = 0.0;
    double p50Ms = 0.0;
    double p99Ms = 0.0;
};

Figures timeFrames(const std::function<void(int)>& frameWork)
{
    std::vector<double> ms;
    ms.reserve(FrameCount);
    for (int frame = 0; frame < FrameCount; ++frame) {
        const auto begin = std::chrono::steady_clock::now();
        frameWork(frame);
        ms.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin).count());
    }
    Figures figures;
    for (const double m : ms)
        figures.meanMs += m / FrameCount;
    std::sort(ms.begin(), ms.end());
    figures.p50Ms = ms[FrameCount / 2];
    figures.p99Ms = ms[static_cast<std::size_t>(FrameCount * 0.99)];
    return figures;
}

void print(const char* what, const Figures& figures)
{
    std::printf("%-44s p50 %.4f ms  p99 %.4f ms  mean %.4f ms\n", what, figures.p50Ms, figures.p99Ms,
                figures.meanMs);
}

}  // namespace

int main()
{
    const std::vector<glm::vec3> torches = torchLights();
    std::string error;
    const std::unique_ptr<AudioDevice> device = AudioDevice::openLoopback(error);
    if (!device) {
        std::printf("Audio unavailable: %s\n", error.c_str());
        return 1;
    }
    const SoundBank bank;
    std::vector<std::int16_t> samples(SamplesPerFrame * LoopbackChannels);
    std::size_t sink = 0;  // keeps the floor's work from being optimised away

    std::printf("Sound work per frame, %d frames, 60 torches, 4 spiders:\n", FrameCount);
    print("floor (the frame's input only)",
          timeFrames([&](int frame) { sink += frameInput(frame, torches).spiderPositions.size(); }));
    {
        SoundDirector director(torches);
        print("director (decisions, no OpenAL)", timeFrames([&](int frame) {
                  sink += director.plan(frameInput(frame, torches)).oneShots.size();
              }));
    }
    {
        SoundDirector director(torches);
        SoundMixer mixer(bank, torches, LavaMidpoint, 4, 0.8f);
        print("director + mixer (live play, main thread)",
              timeFrames([&](int frame) { mixer.play(director.plan(frameInput(frame, torches))); }));
    }
    {
        SoundDirector director(torches);
        SoundMixer mixer(bank, torches, LavaMidpoint, 4, 0.8f);
        print("director + mixer + render (--record_audio)", timeFrames([&](int frame) {
                  mixer.play(director.plan(frameInput(frame, torches)));
                  device->render(samples.data(), SamplesPerFrame);
              }));
    }
    std::printf("(checksum %zu)\n", sink);
    return 0;
}
