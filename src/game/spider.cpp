#include "game/spider.h"

#include <algorithm>
#include <utility>

#include "physics/character_controller.h"

Spider::Spider(Model spiderModel, const glm::vec3& start, float distance)
    : Creature(std::move(spiderModel), start), patrolDistance(distance)
{
    if (model.controller)
        model.controller->setName(SpiderName);
    updateMatrix();
}

bool Spider::update(float deltaTime, const glm::vec3& axis)
{
    if (!model.controller)
        return false;
    const glm::vec3 step = patrolStep(axis, speed, deltaTime, reversed);
    const CollisionFlags flags = model.controller->move(step, CreatureMinMoveDistance, deltaTime);
    const bool isHit = (flags & CollisionSides) != 0;

    const float progress = patrolProgress(currentPosition(), startPosition, axis);
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

bool updateSpiders(std::vector<Spider>& spiders, const std::vector<glm::vec3>& axes, float deltaTime)
{
    const std::size_t count = std::min(spiders.size(), axes.size());
    for (std::size_t i = 0; i < count; ++i) {
        if (spiders[i].update(deltaTime, axes[i]))
            return true;
    }
    return false;
}
