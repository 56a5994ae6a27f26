// Plain types of the collision layer: controller flags and the capsule descriptor.
//
// Units are world units, +Y up. Positions of controllers are kept in double
// precision; the game narrows them to float component by component before use.
#pragma once

#include <cstdint>

#include <glm/vec3.hpp>

// Which sides of a capsule touched something during one move.
enum CollisionFlag : std::uint8_t {
    CollisionSides = 1,
    CollisionUp = 2,
    CollisionDown = 4,
};
using CollisionFlags = std::uint8_t;

// Shape and behaviour of one capsule character controller.
struct CapsuleControllerDesc {
    glm::dvec3 position{0.0};    // capsule centre
    float radius = 0.0f;         // > 0
    float height = 0.0f;         // > 0, distance between the two hemisphere centres
    float contactOffset = 0.1f;  // > 0, the skin kept between the capsule and what it touches
    float stepOffset = 0.5f;     // >= 0 and <= height + 2 * radius
    float slopeLimit = 0.707f;   // cosine of the steepest walkable slope; 0 = no slope rule

    // False for any non-finite field or any value outside the ranges above.
    bool isValid() const;
};
