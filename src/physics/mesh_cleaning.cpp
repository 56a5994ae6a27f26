#include "physics/mesh_cleaning.h"

#include <cmath>

#include <glm/geometric.hpp>

namespace {

constexpr std::size_t MinimumVertexCount = 3;

bool allFinite(const std::vector<glm::vec3>& positions)
{
    for (const glm::vec3& p : positions) {
        if (!std::isfinite(p.x) || !std::isfinite(p.y) || !std::isfinite(p.z)) {
            return false;
        }
    }
    return true;
}

// A triangle is usable when its indices exist, its corners differ and its area
// is not exactly zero in float.
bool isUsableTriangle(const std::vector<glm::vec3>& positions, std::uint32_t i0, std::uint32_t i1,
                      std::uint32_t i2)
{
    const std::size_t count = positions.size();
    if (i0 >= count || i1 >= count || i2 >= count) {
        return false;
    }
    const glm::vec3& a = positions[i0];
    const glm::vec3& b = positions[i1];
    const glm::vec3& c = positions[i2];
    if (a == b || b == c || a == c) {
        return false;
    }
    return glm::cross(b - a, c - a) != glm::vec3(0.0f);
}

}  // namespace

std::optional<CleanedMesh> cleanTriangleMesh(const std::vector<glm::vec3>& positions,
                                             const std::vector<std::uint32_t>& indices)
{
    if (positions.size() < MinimumVertexCount || !allFinite(positions)) {
        return std::nullopt;
    }
    CleanedMesh mesh;
    mesh.positions = positions;
    const std::size_t triangles = indices.size() / 3;
    mesh.indices.reserve(triangles * 3);
    for (std::size_t t = 0; t < triangles; ++t) {
        const std::uint32_t i0 = indices[3 * t];
        const std::uint32_t i1 = indices[3 * t + 1];
        const std::uint32_t i2 = indices[3 * t + 2];
        if (isUsableTriangle(positions, i0, i1, i2)) {
            mesh.indices.insert(mesh.indices.end(), {i0, i1, i2});
        } else {
            ++mesh.droppedTriangles;
        }
    }
    if (mesh.indices.empty()) {
        return std::nullopt;
    }
    return mesh;
}
