// The process-wide collision world the whole game shares.
//
// Built once by initPhysics() during start-up, before any model is loaded, and
// kept until the process ends. Gravity is stored for completeness only: nothing
// steps the world, and the player and the skeleton apply their own gravity.
// There is no ground plane: a controller that leaves the level keeps falling.
#pragma once

#include <memory>

#include <glm/vec3.hpp>

#include "physics/collision_scene.h"

// Friction and restitution of the reference material; no collision here reads them.
struct PhysicsMaterial {
    float staticFriction = 0.5f;
    float dynamicFriction = 0.5f;
    float restitution = 0.6f;
};

struct PhysicsWorld {
    static std::unique_ptr<CollisionScene> scene;
    static PhysicsMaterial defaultMaterial;
    static glm::vec3 gravity;
};

// Creates PhysicsWorld::scene. Prints "Failed to create the scene." on standard
// error when the collision world cannot be made.
void initPhysics();
