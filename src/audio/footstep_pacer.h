// When the player's footsteps sound: one step per stride walked on the ground,
// so the pace follows the speed (walking about three steps a second, sprinting
// faster, but never quicker than MinStepInterval). Plain arithmetic, no device.
#pragma once

// World units covered by one step.
constexpr float FootstepStride = 1.6f;
// Fastest pace: seconds between two steps at a sprint.
constexpr float MinStepInterval = 0.15f;
// Slower than this (units per second) the player is standing, not walking.
constexpr float MinWalkingSpeed = 0.5f;

class FootstepPacer {
public:
    // One frame: `horizontalSpeed` in units per second, `onGround` false in the
    // air. True when a step sounds this frame. The first step sounds as soon as
    // the player sets off.
    bool advance(float horizontalSpeed, bool onGround, float deltaTime);

private:
    float distanceSinceStep = FootstepStride;  // a standing player steps at once
    float secondsSinceStep = MinStepInterval;
};
