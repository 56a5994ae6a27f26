// What the spiders and the skeleton share: their own copy of a Model (with its
// capsule controller), the matrix they are drawn with, where they started and
// which way they face.
//
// Headings are degrees about +Y, kept in [0, 360) by one wrap per change.
// Positions are world units. The controller inside `model` belongs to the
// controller manager; a null controller leaves the creature inert.
#pragma once

#include <glm/mat4x4.hpp>
#include <glm/vec3.hpp>

#include "game/creature_pose.h"
#include "scene/model.h"

// Shortest step a creature's controller takes (world units).
constexpr float CreatureMinMoveDistance = 0.001f;

class Creature {
public:
    Model model;                    // copy; shares GPU and collision objects
    glm::mat4 modelMatrix{1.0f};    // world transform used to draw `model`
    glm::vec3 startPosition{0.0f};  // world units, as given to the constructor
    float heading = 0.0f;           // degrees about +Y, in [0, 360)

    // Turns the heading; the matrix follows at the owner's next updateMatrix.
    void turn(float degrees);

protected:
    // Creatures are only made as spiders or skeletons. Takes the model, places
    // its controller at `start` (when there is one) and keeps `start` as the
    // place an inert creature is drawn at.
    Creature(Model creatureModel, const glm::vec3& start);
    // The controller centre in game precision, or the start position when the
    // model has no controller.
    glm::vec3 currentPosition() const;
};
