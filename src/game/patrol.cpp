#include "game/patrol.h"

#include <glm/geometric.hpp>

glm::vec3 patrolStep(const glm::vec3& axis, float speed, float deltaTime, bool reversed)
{
    const float sign = reversed ? -1.0f : 1.0f;
    return axis * speed * deltaTime * sign;
}

float patrolProgress(const glm::vec3& position, const glm::vec3& start, const glm::vec3& axis)
{
    return glm::dot(position - start, axis);
}

bool shouldTurnPatrol(float progress, float patrolDistance, bool reversed)
{
    if (reversed)
        return progress <= 0.0f;
    return progress >= patrolDistance;
}
