// The Bullet queries a controller's move is built from: sweeping the core capsule
// and testing it (or its skin-grown twin) for penetration of static meshes.
//
// Positions are world units in double; they are narrowed to float only for the
// query. Back faces of triangles (winding normal along the sweep) are ignored,
// and so are controllers that already overlap the swept capsule.
#pragma once

#include <memory>
#include <optional>

#include <btBulletCollisionCommon.h>
#include <glm/vec3.hpp>

// The closest hit of one sweep.
struct SweepHit {
    double distance = 0.0;          // along the sweep direction, from the start centre
    glm::dvec3 normal{0.0};         // unit response normal, towards the moving capsule
    bool isController = false;      // another controller's capsule, not a triangle
    glm::dvec3 windingNormal{0.0};  // triangles only: unit normal from the index order
    double highestY = 0.0;          // triangles only: y of the triangle's highest corner
};

// Deepest penetration of static geometry found by a contact test.
struct Penetration {
    glm::dvec3 normal{0.0};  // unit, pointing away from the mesh
    double depth = 0.0;      // world units, > 0
};

class CapsuleQueries {
public:
    // `self` is the controller's own object, skipped by every query.
    CapsuleQueries(btCollisionWorld& world, const btCollisionObject& self, float radius, float height,
                   float skin);
    CapsuleQueries(const CapsuleQueries&) = delete;
    CapsuleQueries& operator=(const CapsuleQueries&) = delete;

    // Sweeps the core capsule from centre `from` along unit `direction` for `length`.
    std::optional<SweepHit> sweep(const glm::dvec3& from, const glm::dvec3& direction, double length) const;

    // True when the core capsule at `centre` really penetrates a static mesh.
    bool penetratesStatic(const glm::dvec3& centre) const;

    // Deepest penetration of the skin-grown capsule at `centre` into static meshes.
    std::optional<Penetration> deepestSkinPenetration(const glm::dvec3& centre) const;

private:
    std::optional<Penetration> deepestPenetration(btCollisionObject& probe, const glm::dvec3& centre) const;

    btCollisionWorld& world;
    const btCollisionObject& self;
    double radius;
    double height;
    btCapsuleShape core;
    btCapsuleShape grown;
    mutable btCollisionObject coreProbe;
    mutable btCollisionObject grownProbe;
};
