#include "game/skeleton.h"

#include <utility>

#include "physics/character_controller.h"

Skeleton::Skeleton(Model skeletonModel, const glm::vec3& start) : Creature(std::move(skeletonModel), start)
{
    updateMatrix();
}

void Skeleton::update(float deltaTime)
{
    if (!model.controller)
        return;
    const glm::vec3 step(0.0f, falling ? -deltaTime * fallSpeed : 0.0f, 0.0f);
    const CollisionFlags flags = model.controller->move(step, CreatureMinMoveDistance, deltaTime);
    falling = (flags & CollisionDown) == 0;
    updateMatrix();
}

void Skeleton::updateMatrix()
{
    const glm::vec3 p = currentPosition();
    modelMatrix = creatureMatrix(glm::vec3(p.x, p.y - SkeletonDrawDrop, p.z), heading);
}
