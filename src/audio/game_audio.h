// The game's sound for one run: which device plays it (none, the default
// output, or the loopback device of a recording), and the per-frame step that
// turns the frame into sound.
//
// Sound follows the game's clock: each frame plays the sounds its events
// started, and a recording renders exactly the samples of the frame's time, so
// a replay records the same file on any machine and at any speed. Without a
// device the game plays on silently after one "Audio unavailable: " line.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <glm/vec3.hpp>

#include "audio/audio_settings.h"
#include "audio/sound_director.h"

class AudioDevice;
class SoundBank;
class SoundMixer;
class WavWriter;

struct AudioOptions {
    AudioSettings settings;
    bool playLive = true;    // false: headless runs, which have no one to listen
    std::string recordPath;  // "--record_audio FILE"; empty: no recording
};

// What the level is made of, as far as the sound cares.
struct AudioScene {
    std::vector<glm::vec3> torchPositions;
    glm::vec3 lavaPosition{0.0f};
    std::size_t spiderCount = 0;
};

class GameAudio {
public:
    GameAudio();
    ~GameAudio();
    GameAudio(const GameAudio&) = delete;
    GameAudio& operator=(const GameAudio&) = delete;

    // Before any window opens: creates the recording file when one is asked
    // for. False (with its line printed) when it cannot be created.
    bool prepare(const AudioOptions& options);

    // Once the level exists: opens the device and reads the sounds.
    void start(const AudioScene& scene);

    // After the frame's game update.
    void frame(const AudioFrameInput& input);

    // While the game is paused every sound holds still.
    void pause();
    void resume();

private:
    void record(float deltaTime);

    AudioOptions options;
    std::unique_ptr<WavWriter> recording;
    std::unique_ptr<AudioDevice> device;
    std::unique_ptr<SoundBank> bank;
    std::unique_ptr<SoundDirector> director;
    std::unique_ptr<SoundMixer> mixer;
    double recordedSeconds = 0.0;     // game time covered by the recording
    std::int64_t recordedFrames = 0;  // sample frames written so far
    std::vector<std::int16_t> renderBuffer;
};
