#include "audio/footstep_pacer.h"

bool FootstepPacer::advance(float horizontalSpeed, bool onGround, float deltaTime)
{
    secondsSinceStep += deltaTime;
    if (!onGround)
        return false;
    if (horizontalSpeed < MinWalkingSpeed) {
        distanceSinceStep = FootstepStride;
        return false;
    }
    distanceSinceStep += horizontalSpeed * deltaTime;
    if (distanceSinceStep < FootstepStride || secondsSinceStep < MinStepInterval)
        return false;
    distanceSinceStep = 0.0f;
    secondsSinceStep = 0.0f;
    return true;
}
