#include "physics/physics_world.h"

#include <new>

#include "framework/console.h"

std::unique_ptr<CollisionScene> PhysicsWorld::scene;
PhysicsMaterial PhysicsWorld::defaultMaterial;
glm::vec3 PhysicsWorld::gravity{0.0f};

namespace {

// Kept for completeness: the controllers apply their own gravity.
constexpr glm::vec3 WorldGravity{0.0f, -9.81f, 0.0f};

}  // namespace

void initPhysics()
{
    PhysicsWorld::gravity = WorldGravity;
    try {
        PhysicsWorld::scene = std::make_unique<CollisionScene>();
    } catch (const std::bad_alloc&) {
        printErrorLine("Failed to create the scene.");
        return;
    }
    PhysicsWorld::defaultMaterial = PhysicsMaterial{};
}
