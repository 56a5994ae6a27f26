// Inside of a CharacterController: its settings, centre, Bullet object and queries.
//
// Shared by the two source files of the controller (set-up in
// character_controller.cpp, the move in controller_move.cpp). The centre is kept
// in double; the Bullet object follows it in float after every change.
#pragma once

#include <optional>
#include <string>

#include <btBulletCollisionCommon.h>
#include <glm/vec3.hpp>

#include "physics/capsule_queries.h"
#include "physics/character_controller.h"

// What one collide-and-slide pass did.
struct PassResult {
    bool ran = false;  // got past the length and direction checks once
    int collisions = 0;
    std::optional<SweepHit> lastHit;
};

// How a pass treats its hits.
struct PassOptions {
    int maxIterations = 1;
    double minDistance = 0.0;
    bool flattenNormals = false;    // surfaces act as vertical walls (no-climb attempt)
    bool renormaliseSlide = false;  // keep full length along the surface (settle sweep)
};

// Result of one attempt at a move.
struct AttemptResult {
    CollisionFlags flags = 0;
    bool isNonWalkable = false;  // ended on a steep triangle too high to step onto
};

struct CharacterController::Impl {
    Impl(CollisionScene& scene, const CapsuleControllerDesc& desc, CharacterController& owner);
    ~Impl();

    void syncObject();
    CollisionFlags move(const glm::dvec3& displacement, double minDistance);

    CollisionScene& scene;
    CapsuleControllerDesc desc;
    glm::dvec3 centre;
    CollisionFlags flags = 0;
    std::string name;
    btCapsuleShape shape;
    btCollisionObject object;
    CapsuleQueries queries;

private:
    AttemptResult normalAttempt(const glm::dvec3& displacement, double minDistance);
    AttemptResult noClimbAttempt(const glm::dvec3& displacement, double minDistance, double startY);
    PassResult runPass(const glm::dvec3& pass, const PassOptions& options);
    void recoverFromOverlap();
    bool endsOnSteepHighTriangle(const PassResult& down, double startBottom) const;
    double halfExtent() const;
};
