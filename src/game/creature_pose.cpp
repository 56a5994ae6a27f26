#include "game/creature_pose.h"

#include <glm/gtc/matrix_transform.hpp>

constexpr float FullTurnDegrees = 360.0f;

float wrapHeading(float degrees)
{
    if (degrees >= FullTurnDegrees)
        return degrees - FullTurnDegrees;
    if (degrees < 0.0f)
        return degrees + FullTurnDegrees;
    return degrees;
}

glm::mat4 creatureMatrix(const glm::vec3& drawnPosition, float headingDegrees)
{
    const glm::mat4 placed = glm::translate(glm::mat4(1.0f), drawnPosition);
    return glm::rotate(placed, glm::radians(headingDegrees), glm::vec3(0.0f, 1.0f, 0.0f));
}
