// One static triangle-mesh collider: the mesh data and the Bullet objects made from it.
//
// Bullet's mesh interface does not copy its arrays, so the record owns the
// positions and indices for as long as the shape lives; the controller sweeps
// also read triangle corners from here. Owned by CollisionScene, at a stable
// address; positions are world units with an identity transform.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include <btBulletCollisionCommon.h>
#include <glm/vec3.hpp>

struct StaticMeshCollider {
    std::vector<glm::vec3> positions;
    std::vector<std::uint32_t> indices;  // three per triangle, Bullet's triangle index * 3
    std::unique_ptr<btTriangleIndexVertexArray> meshInterface;
    std::unique_ptr<btBvhTriangleMeshShape> shape;
    std::unique_ptr<btCollisionObject> object;

    std::size_t triangleCount() const { return indices.size() / 3; }
    // Corners of triangle `triangleIndex`, in winding order.
    glm::dvec3 corner(int triangleIndex, int cornerIndex) const
    {
        return glm::dvec3(positions[indices[3 * triangleIndex + cornerIndex]]);
    }
};
