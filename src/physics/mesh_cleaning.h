// Cleaning of a static mesh before it becomes a collider: which triangles are usable.
//
// Pure logic, no Bullet. Positions are world units (already scaled); indices are
// a triangle list. A degenerate or out-of-range triangle is dropped rather than
// refused, the way mesh cooking does it, so one bad triangle never loses a wall.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include <glm/vec3.hpp>

// The triangles of a mesh that a collider can be built from.
struct CleanedMesh {
    std::vector<glm::vec3> positions;    // every input position, unchanged
    std::vector<std::uint32_t> indices;  // surviving triangles, three indices each
    std::size_t droppedTriangles = 0;    // out of range, zero area or with repeated corners

    std::size_t triangleCount() const { return indices.size() / 3; }
};

// Keeps the usable triangles of `indices` (a trailing remainder of one or two
// indices is ignored). Returns nothing when fewer than three positions exist,
// any position is not finite, or no triangle survives.
std::optional<CleanedMesh> cleanTriangleMesh(const std::vector<glm::vec3>& positions,
                                             const std::vector<std::uint32_t>& indices);
