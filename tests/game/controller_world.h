// A small collision world for gameplay tests: hand-built floors and walls and
// creature models whose only content is a capsule controller.
#pragma once

#include <cstdint>
#include <vector>

#include <glm/geometric.hpp>
#include <glm/vec3.hpp>

#include "physics/character_controller.h"
#include "physics/collision_scene.h"
#include "scene/model.h"

struct ControllerWorld {
    CollisionScene scene;
    ControllerManager manager{scene};

    // One quad from four corners in order, wound so its front faces `facing`
    // (colliders are one-sided).
    void addQuad(const glm::vec3& a, const glm::vec3& b, const glm::vec3& c, const glm::vec3& d,
                 const glm::vec3& facing)
    {
        const bool counterClockwise = glm::dot(glm::cross(b - a, c - a), facing) > 0.0f;
        const std::vector<std::uint32_t> indices = counterClockwise
                                                       ? std::vector<std::uint32_t>{0, 1, 2, 0, 2, 3}
                                                       : std::vector<std::uint32_t>{0, 2, 1, 0, 3, 2};
        scene.addStaticMesh({a, b, c, d}, indices);
    }

    // A square floor at height y facing up.
    void addFloor(float y, float halfSize)
    {
        addQuad({-halfSize, y, -halfSize}, {-halfSize, y, halfSize}, {halfSize, y, halfSize},
                {halfSize, y, -halfSize}, {0, 1, 0});
    }

    // A wall across the x axis at x, facing -x (towards things coming along +x).
    void addWallAtX(float x, float halfSize)
    {
        addQuad({x, -halfSize, -halfSize}, {x, halfSize, -halfSize}, {x, halfSize, halfSize},
                {x, -halfSize, halfSize}, {-1, 0, 0});
    }

    // An otherwise empty model carrying one capsule controller.
    Model capsuleModel(float radius, float height)
    {
        CapsuleControllerDesc desc;
        desc.radius = radius;
        desc.height = height;
        Model model;
        model.scene = &scene;
        model.controller = manager.createController(desc);
        return model;
    }
};
