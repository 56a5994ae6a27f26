#include "audio/sound_director.h"

#include <cmath>

#include <glm/geometric.hpp>

SoundDirector::SoundDirector(std::vector<glm::vec3> torchPositions)
    : torchPositions(std::move(torchPositions))
{
    frame.torchVoices.fill(NoTorch);
}

const SoundFrame& SoundDirector::plan(const AudioFrameInput& input)
{
    frame.listener = input.listener;
    frame.torchVoices = assignTorchVoices(
        frame.torchVoices, nearestTorches(torchPositions, input.listener.position, TorchVoiceCount));
    frame.oneShots.clear();
    if (footstepDue(input))
        frame.oneShots.push_back(SoundId::Footstep);
    addEventSounds(input.events);
    planSpiders(input.spiderPositions);
    previousPlayerPosition = input.playerPosition;
    hasPrevious = true;
    return frame;
}

bool SoundDirector::footstepDue(const AudioFrameInput& input)
{
    const PlayerEvents& events = input.events;
    const bool teleported = events.respawned || events.restarted || events.won;
    float speed = 0.0f;
    if (hasPrevious && !teleported && input.deltaTime > 0.0f) {
        glm::vec3 step = input.playerPosition - previousPlayerPosition;
        step.y = 0.0f;
        speed = glm::length(step) / input.deltaTime;
        if (speed > MaxWalkSpeed)
            speed = 0.0f;
    }
    const bool onGround = !events.jumped && std::abs(input.verticalVelocity) <= MaxGroundVerticalSpeed;
    return footsteps.advance(speed, onGround, input.deltaTime);
}

void SoundDirector::addEventSounds(const PlayerEvents& events)
{
    if (events.jumped)
        frame.oneShots.push_back(SoundId::Jump);
    if (events.landed && events.landingSpeed >= MinLandingSpeed)
        frame.oneShots.push_back(SoundId::Landing);
    for (int bite = 0; bite < events.bites; ++bite)
        frame.oneShots.push_back(SoundId::Bite);
    if (events.gameOver)
        frame.oneShots.push_back(SoundId::GameOver);
    if (events.won)
        frame.oneShots.push_back(SoundId::Victory);
    if (events.respawned)
        frame.oneShots.push_back(SoundId::Respawn);
    if (events.restarted)
        frame.oneShots.push_back(SoundId::Restart);
    if (events.quickSaved)
        frame.oneShots.push_back(SoundId::QuickSave);
}

void SoundDirector::planSpiders(const std::vector<glm::vec3>& positions)
{
    frame.spiders.resize(positions.size());
    for (std::size_t i = 0; i < positions.size(); ++i) {
        const bool known = i < previousSpiderPositions.size();
        frame.spiders[i].position = positions[i];
        frame.spiders[i].moving =
            known && glm::length(positions[i] - previousSpiderPositions[i]) > SpiderStillDistance;
    }
    previousSpiderPositions = positions;
}
