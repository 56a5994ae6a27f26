// Capsule character controllers: collide-and-slide with step offset, contact
// offset (skin), slope limit with "prevent climbing", and up / side / down
// collision flags. Controllers block and report each other.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include <glm/vec3.hpp>

#include "physics/collision_types.h"

class CollisionScene;

class CharacterController {
public:
    ~CharacterController();
    CharacterController(const CharacterController&) = delete;
    CharacterController& operator=(const CharacterController&) = delete;

    // Moves the capsule by `displacement` (world units), sliding along what it
    // hits. Steps shorter than `minDistance` are not taken. `elapsedTime` is
    // accepted for symmetry with the game's frame and not used (it only matters
    // for moving platforms, which this game has none of).
    CollisionFlags move(const glm::vec3& displacement, float minDistance, float elapsedTime);

    // Teleports the capsule centre; no collision check.
    void setPosition(const glm::dvec3& centre);
    const glm::dvec3& getPosition() const;
    // Centre minus (half height + radius + skin) along +Y.
    glm::dvec3 getFootPosition() const;
    // Flags of the last move.
    CollisionFlags getCollisionFlags() const;

    void setName(std::string name);
    const std::string& getName() const;

    float radius() const;
    float height() const;
    // The skin kept between the capsule and what it touches (world units).
    float contactOffset() const;

private:
    friend class ControllerManager;
    CharacterController(CollisionScene& scene, const CapsuleControllerDesc& desc);
    struct Impl;
    std::unique_ptr<Impl> impl;
};

// Owns the controllers; made from the scene, which must outlive it.
class ControllerManager {
public:
    explicit ControllerManager(CollisionScene& scene);
    ~ControllerManager();
    ControllerManager(const ControllerManager&) = delete;
    ControllerManager& operator=(const ControllerManager&) = delete;

    // Returns nullptr when the descriptor is not valid.
    CharacterController* createController(const CapsuleControllerDesc& desc);

    std::size_t controllerCount() const;
    // Controller `index`, 0 <= index < controllerCount(), in order of creation.
    const CharacterController& controller(std::size_t index) const;

private:
    CollisionScene& scene;
    std::vector<std::unique_ptr<CharacterController>> controllers;
};
