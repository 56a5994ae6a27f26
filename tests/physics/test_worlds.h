// Small collision worlds built in code for the controller tests: floors, boxes,
// ramps and single quads, placed relative to a world origin so that every test
// can run near (0, 0, 0) and far from it.
#pragma once

#include <memory>
#include <vector>

#include <glm/vec3.hpp>

#include "physics/character_controller.h"
#include "physics/collision_scene.h"
#include "physics/collision_types.h"

// The player's capsule and the controller settings the game uses everywhere.
constexpr float PlayerRadius = 0.5f;
constexpr float PlayerHeight = 0.5f;
constexpr float Skin = 0.1f;
constexpr float MinDistance = 0.001f;
constexpr float FrameTime = 1.0f / 60.0f;
// Centre height above a floor for a resting player: skin + h/2 + r.
constexpr double PlayerRestHeight = 0.85;
// Tolerance of positions measured after a move.
constexpr double PositionTolerance = 0.002;

class TestWorld {
public:
    explicit TestWorld(const glm::dvec3& origin = glm::dvec3(0.0));

    // Every helper takes coordinates relative to the origin.
    glm::dvec3 at(double x, double y, double z) const;

    // Axis-aligned floor rectangle at height y facing up, split into cells × cells quads.
    void addFloor(double y, double x0, double x1, double z0, double z1, int cells = 1);
    // Closed box with outward-facing sides.
    void addBox(const glm::dvec3& minimum, const glm::dvec3& maximum);
    // One quad (a, b, c, d in order around it), turned so that it faces `facing`.
    void addQuad(const glm::dvec3& a, const glm::dvec3& b, const glm::dvec3& c, const glm::dvec3& d,
                 const glm::dvec3& facing);
    // Ramp surface rising along +x from (x0, y0) at `degrees`, `length` long
    // horizontally, spanning z0..z1, facing up.
    void addRamp(double x0, double y0, double degrees, double length, double z0, double z1);

    // A controller with the player's settings unless `desc` says otherwise.
    CharacterController* addPlayer(double x, double y, double z);
    CharacterController* addController(const CapsuleControllerDesc& desc);

    // y of the centre relative to the origin.
    double relativeY(const CharacterController& controller) const;

    CollisionScene scene;
    ControllerManager manager{scene};
    glm::dvec3 origin;
};

// Repeats one move and returns every move's flags.
std::vector<CollisionFlags> repeatMove(CharacterController& controller, const glm::vec3& displacement,
                                       int count);

// Counts moves whose flags contain `flag`.
int countFlag(const std::vector<CollisionFlags>& flags, CollisionFlag flag);
