#include "game/spider.h"

#include <utility>

#include "physics/character_controller.h"

Spider::Spider(Model spiderModel, const glm::vec3& start, const glm::vec3& axis, float distance)
    : Creature(std::move(spiderModel), start), patrolAxis(axis), patrolDistance(distance)
{
    if (model.controller)
        model.controller->setName(SpiderName);
    updateMatrix();
}

bool Spider::update(float deltaTime)
{
    if (!model.controller)
        return false;
    const glm::vec3 step = patrolStep(patrolAxis, speed, deltaTime, reversed);
    const CollisionFlags flags = model.controller->move(step, CreatureMinMoveDistance, deltaTime);
    const bool isHit = (flags & CollisionSides) != 0;

    const float progress = patrolProgress(currentPosition(), startPosition, patrolAxis);
    if (shouldTurnPatrol(progress, patrolDistance, reversed)) {
        reversed = !reversed;
        turn(PatrolTurnDegrees);
    }
    updateMatrix();
    return isHit;
}

void Spider::updateMatrix()
{
    const glm::vec3 p = currentPosition();
    modelMatrix = creatureMatrix(glm::vec3(p.x, SpiderDrawnHeight, p.z), heading);
}

bool updateSpiders(std::vector<Spider>& spiders, float deltaTime)
{
    for (Spider& spider : spiders) {
        if (spider.update(deltaTime))
            return true;
    }
    return false;
}
