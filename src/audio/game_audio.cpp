#include "audio/game_audio.h"

#include <cmath>

#include "audio/audio_device.h"
#include "audio/sound_bank.h"
#include "audio/sound_file.h"
#include "audio/sound_mixer.h"
#include "framework/console.h"

GameAudio::GameAudio() = default;

// The mixer's sources and the bank's buffers go before the device's context.
GameAudio::~GameAudio()
{
    mixer.reset();
    bank.reset();
    device.reset();
}

bool GameAudio::prepare(const AudioOptions& runOptions)
{
    options = runOptions;
    if (options.recordPath.empty())
        return true;
    recording = std::make_unique<WavWriter>(options.recordPath, LoopbackChannels, LoopbackSampleRate);
    if (!recording->isOpen()) {
        printLine("ERROR: Could not create audio file '" + options.recordPath + "'");
        return false;
    }
    return true;
}

void GameAudio::start(const AudioScene& scene)
{
    // A muted game, or a headless one that records nothing, needs no device at all.
    if (options.settings.mute || (!recording && !options.playLive))
        return;
    std::string error;
    device = recording ? AudioDevice::openLoopback(error) : AudioDevice::openDefault(error);
    if (!device) {
        printLine("Audio unavailable: " + error);
        return;
    }
    bank = std::make_unique<SoundBank>();
    director = std::make_unique<SoundDirector>(scene.torchPositions);
    mixer = std::make_unique<SoundMixer>(*bank, scene.torchPositions, scene.lavaPosition, scene.spiderCount,
                                         options.settings.volume);
}

void GameAudio::frame(const AudioFrameInput& input)
{
    if (mixer)
        mixer->play(director->plan(input));
    if (recording)
        record(input.deltaTime);
}

void GameAudio::pause()
{
    if (device)
        device->pause();
}

void GameAudio::resume()
{
    if (device)
        device->resume();
}

// Renders the samples that bring the recording up to the game's clock. Counting
// from the total rather than per frame keeps rounding from drifting.
void GameAudio::record(float deltaTime)
{
    recordedSeconds += static_cast<double>(deltaTime);
    const auto target = static_cast<std::int64_t>(std::llround(recordedSeconds * LoopbackSampleRate));
    const std::int64_t frames = target - recordedFrames;
    if (frames <= 0)
        return;
    renderBuffer.assign(static_cast<std::size_t>(frames) * LoopbackChannels, 0);
    if (device)
        device->render(renderBuffer.data(), static_cast<int>(frames));
    if (!recording->append(renderBuffer.data(), static_cast<std::size_t>(frames))) {
        printLine("ERROR: Could not write audio file '" + options.recordPath + "'; recording stopped.");
        recording.reset();
    }
    recordedFrames = target;
}
