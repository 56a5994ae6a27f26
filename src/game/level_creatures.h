// The level's creatures as the level assembles them: which model each one is,
// how that model becomes its capsule, where it starts, which way it faces and
// where it patrols. The level and the tests read this one table.
//
// Positions are world units (capsule centres, +Y up), headings degrees about
// +Y, patrol axes horizontal unit vectors.
#pragma once

#include <array>

#include <glm/vec3.hpp>

// A creature's model file and how it becomes the creature's size and capsule.
struct CreatureBody {
    const char* modelFile;      // relative to the project root; every creature loads its own copy
    float scale;                // applied to the file's vertices
    float capsuleRadiusFactor;  // capsule radius = the scaled model's extentX / 3 * factor
    float capsuleHeightFactor;  // capsule height = the scaled model's extentY * factor
};

struct CreaturePlacement {
    CreatureBody body;
    glm::vec3 start;  // capsule centre
    // Turned once the whole level is assembled: the first frame still draws the
    // creature as it was built, and the turn shows from its first update on.
    float headingDegrees;
    glm::vec3 patrolAxis;  // spiders: the axis they walk along; the skeleton stands still
    float patrolDistance;  // spiders: how far out along the axis they turn
};

// OBJ files are written at twice the world's size.
constexpr float LevelObjScale = 0.5f;

inline const CreatureBody SpiderBody{"assets/geometry/spiders/Spider.obj", LevelObjScale, 1.0f, 1.0f};
// The skeleton's glTF file is at world size, but its capsule takes only a
// fraction of the (raw, five times too large) mesh.
inline const CreatureBody SkeletonBody{"assets/geometry/magicSkeleton/scene.gltf", 1.0f, 0.1f, 0.15f};

// Spiders 1 to 4, in the order the level builds, draws and updates them; 3 and
// 4 patrol along -z and are turned to face it.
inline const std::array<CreaturePlacement, 4> LevelSpiders = {{
    {SpiderBody, {56.135f, 1.5f, -42.508f}, 0.0f, {1.0f, 0.0f, 0.0f}, 40.0f},
    {SpiderBody, {161.625f, 1.5f, -42.339f}, 0.0f, {1.0f, 0.0f, 0.0f}, 40.0f},
    {SpiderBody, {212.445f, 1.5f, -100.04f}, 90.0f, {0.0f, 0.0f, -1.0f}, 40.0f},
    {SpiderBody, {212.44f, 1.5f, -199.82f}, 90.0f, {0.0f, 0.0f, -1.0f}, 40.0f},
}};

// The skeleton mage in the corner of the start room.
inline const CreaturePlacement LevelSkeleton{
    SkeletonBody, {-7.0f, 3.0f, -8.1f}, 90.0f, {0.0f, 0.0f, 0.0f}, 0.0f};
