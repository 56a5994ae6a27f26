// The collision world: static triangle meshes and the capsules of the controllers.
//
// Nothing here is ever stepped: all motion comes from CharacterController::move,
// which sweeps its capsule against the world at the moment it is called.
// Owns every Bullet object; non-copyable, at a stable address.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include <glm/vec3.hpp>

struct StaticMeshCollider;
class btCollisionWorld;

class CollisionScene {
public:
    CollisionScene();
    ~CollisionScene();
    CollisionScene(const CollisionScene&) = delete;
    CollisionScene& operator=(const CollisionScene&) = delete;

    // Adds one static triangle mesh, positions already scaled to world units.
    // A trailing remainder of one or two indices is ignored; degenerate triangles
    // and triangles with out-of-range indices are dropped. Returns nullptr (and
    // adds nothing) when no usable triangle is left or a position is not finite.
    StaticMeshCollider* addStaticMesh(const std::vector<glm::vec3>& positions,
                                      const std::vector<std::uint32_t>& indices);

    std::size_t staticMeshCount() const;
    // Static mesh `index`, 0 <= index < staticMeshCount(), in order of adding.
    const StaticMeshCollider& staticMesh(std::size_t index) const;

    btCollisionWorld& world();

private:
    struct Impl;
    std::unique_ptr<Impl> impl;
};
