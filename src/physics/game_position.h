// The one place where positions of the collision layer enter the game.
//
// Controllers keep their centres in double precision; every game rule, the
// camera and the drawn matrices work in single precision, world units, +Y up.
#pragma once

#include <glm/vec3.hpp>

// Narrows a controller position to float, component by component.
inline glm::vec3 toGamePosition(const glm::dvec3& position)
{
    return glm::vec3(static_cast<float>(position.x), static_cast<float>(position.y),
                     static_cast<float>(position.z));
}

// Widens a game position for CharacterController::setPosition.
inline glm::dvec3 toControllerPosition(const glm::vec3& position)
{
    return glm::dvec3(position.x, position.y, position.z);
}
