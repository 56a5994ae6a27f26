// The skeleton's body: a creature that stands where it is put and falls at a
// constant speed whenever its last move found no ground. It never walks.
//
// Its animation and skinned drawing belong to the scene; here only its capsule
// and the matrix it is drawn with. Units are world units and seconds.
#pragma once

#include <glm/vec3.hpp>

#include "game/creature.h"

// Constant falling speed, no acceleration (units per second).
constexpr float SkeletonFallSpeed = 13.81f;
// The skeleton is drawn this far below its capsule centre (world units).
constexpr float SkeletonDrawDrop = 2.3f;

class Skeleton : public Creature {
public:
    bool falling = false;  // the last move did not end on the ground
    float fallSpeed = SkeletonFallSpeed;

    // Takes `skeletonModel` by copy and puts its capsule at `start` (unnamed).
    // A model without a controller gives a skeleton that never moves.
    Skeleton(Model skeletonModel, const glm::vec3& start);

    // One frame: drop by deltaTime * fallSpeed while falling, otherwise a zero
    // move that only probes for ground; then the matrix follows.
    void update(float deltaTime);

    // Recomputes modelMatrix SkeletonDrawDrop below the capsule centre.
    void updateMatrix();
};
