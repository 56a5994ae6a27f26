// Decides, frame by frame, what the level sounds like: where the listener is,
// which torches and spiders are heard, and which one-shots start. It works on
// plain values handed over by the frame loop, so it runs (and is tested)
// without a sound device; the mixer plays what it decides.
//
// Positions and directions are world units, +Y up; speeds units per second.
#pragma once

#include <vector>

#include <glm/vec3.hpp>

#include "audio/footstep_pacer.h"
#include "audio/sound_set.h"
#include "audio/torch_voices.h"
#include "game/player_events.h"

// Landings softer than this (downward units per second) make no sound: a walk
// down a step is not a landing.
constexpr float MinLandingSpeed = 3.0f;
// Falling or rising faster than this, the player is off the ground.
constexpr float MaxGroundVerticalSpeed = 1.0f;
// A frame's movement faster than this is a teleport, not a walk.
constexpr float MaxWalkSpeed = 45.0f;
// Spiders that move less than this in a frame stand still (units).
constexpr float SpiderStillDistance = 1e-4f;

struct ListenerPose {
    glm::vec3 position{0.0f};
    glm::vec3 forward{0.0f, 0.0f, -1.0f};  // unit viewing direction
    glm::vec3 up{0.0f, 1.0f, 0.0f};        // unit, at right angles to forward
};

// What the sound needs to know about one frame of the game, after its update.
struct AudioFrameInput {
    float deltaTime = 0.0f;  // seconds
    ListenerPose listener;   // the camera
    glm::vec3 playerPosition{0.0f};
    float verticalVelocity = 0.0f;
    PlayerEvents events;
    std::vector<glm::vec3> spiderPositions;
};

struct SpiderVoice {
    glm::vec3 position{0.0f};
    bool moving = false;  // skitters only while it walks
};

// The frame as the mixer plays it.
struct SoundFrame {
    ListenerPose listener;
    TorchVoices torchVoices{};  // torch index per voice, or NoTorch
    std::vector<SpiderVoice> spiders;
    std::vector<SoundId> oneShots;  // started this frame at the listener, in order
};

class SoundDirector {
public:
    explicit SoundDirector(std::vector<glm::vec3> torchPositions);

    const std::vector<glm::vec3>& torches() const { return torchPositions; }

    // The sound of this frame. The result lives until the next call.
    const SoundFrame& plan(const AudioFrameInput& input);

private:
    bool footstepDue(const AudioFrameInput& input);
    void addEventSounds(const PlayerEvents& events);
    void planSpiders(const std::vector<glm::vec3>& positions);

    std::vector<glm::vec3> torchPositions;
    FootstepPacer footsteps;
    bool hasPrevious = false;
    glm::vec3 previousPlayerPosition{0.0f};
    std::vector<glm::vec3> previousSpiderPositions;
    SoundFrame frame;
};
