#include "framework/builtin_mesh.h"

namespace {

// The solids stand in cells of a 4 x 4 grid (x, z) stacked in 7 layers (y): one
// layer of boxes at the bottom, six layers of tetrahedra above it.
constexpr int GridSide = 4;
constexpr int LayerCount = 7;
constexpr int BoxCount = GridSide * GridSide;
constexpr int TetrahedronCount = BoxCount * (LayerCount - 1);
constexpr int BoxVertexCount = 8;
constexpr int TetrahedronVertexCount = 4;
constexpr float CellSize = 2.0f / GridSide;
constexpr float LayerHeight = 2.0f / LayerCount;
constexpr float SolidSize = 0.6f * CellSize;  // leaves a gap between neighbours
constexpr float BuiltinScale = 0.8f;

// Lower corner of cell `cell` (row-major in x, z) in layer `layer`.
glm::vec3 cellCorner(int cell, int layer)
{
    const float x = -1.0f + CellSize * static_cast<float>(cell % GridSide);
    const float z = -1.0f + CellSize * static_cast<float>(cell / GridSide);
    const float y = -1.0f + LayerHeight * static_cast<float>(layer);
    return {x, y, z};
}

// A box as two square rings of four corners, bottom ring first, so that the first
// side quad is (0, 1, 5, 4). Like every solid here it is wound to face outward only
// after placeBuiltinVertex, whose mirror in z reverses the winding.
void appendBox(std::vector<glm::vec3>& positions, const glm::vec3& corner)
{
    const float s = SolidSize;
    const float h = 0.6f * LayerHeight;
    const glm::vec3 ring[4] = {{0, 0, 0}, {s, 0, 0}, {s, 0, s}, {0, 0, s}};
    for (float y : {0.0f, h})
        for (const glm::vec3& offset : ring)
            positions.push_back(corner + offset + glm::vec3(0, y, 0));
}

void appendBoxIndices(std::vector<std::uint32_t>& indices, std::uint32_t base)
{
    // Sides: quad (i, i+1, i+5, i+4) for each ring corner i, wrapping at 4.
    for (std::uint32_t i = 0; i < 4; ++i) {
        const std::uint32_t next = (i + 1) % 4;
        const std::uint32_t tri[6] = {i, next + 4, i + 4, i, next, next + 4};
        for (std::uint32_t index : tri)
            indices.push_back(base + index);
    }
    const std::uint32_t caps[12] = {0, 3, 2, 0, 2, 1, 4, 5, 6, 4, 6, 7};
    for (std::uint32_t index : caps)
        indices.push_back(base + index);
}

void appendTetrahedron(std::vector<glm::vec3>& positions, const glm::vec3& corner)
{
    const float s = SolidSize;
    const float h = 0.6f * LayerHeight;
    positions.push_back(corner);
    positions.push_back(corner + glm::vec3(s, 0, 0));
    positions.push_back(corner + glm::vec3(0, 0, s));
    positions.push_back(corner + glm::vec3(0.3f * s, h, 0.3f * s));
}

void appendTetrahedronIndices(std::vector<std::uint32_t>& indices, std::uint32_t base)
{
    const std::uint32_t faces[12] = {0, 2, 1, 0, 1, 3, 1, 2, 3, 2, 0, 3};
    for (std::uint32_t index : faces)
        indices.push_back(base + index);
}

}  // namespace

std::vector<glm::vec3> builtinMeshPositions()
{
    std::vector<glm::vec3> positions;
    positions.reserve(BuiltinMeshVertexCount);
    for (int cell = 0; cell < BoxCount; ++cell)
        appendBox(positions, cellCorner(cell, 0));
    for (int t = 0; t < TetrahedronCount; ++t)
        appendTetrahedron(positions, cellCorner(t % BoxCount, 1 + t / BoxCount));
    return positions;
}

std::vector<std::uint32_t> builtinMeshIndices()
{
    std::vector<std::uint32_t> indices;
    indices.reserve(BuiltinMeshIndexCount);
    for (int box = 0; box < BoxCount; ++box)
        appendBoxIndices(indices, static_cast<std::uint32_t>(box * BoxVertexCount));
    const std::uint32_t firstTetrahedron = BoxCount * BoxVertexCount;
    for (int t = 0; t < TetrahedronCount; ++t)
        appendTetrahedronIndices(indices,
                                 firstTetrahedron + static_cast<std::uint32_t>(t * TetrahedronVertexCount));
    return indices;
}

glm::vec3 placeBuiltinVertex(const glm::vec3& position)
{
    return {BuiltinScale * position.x, BuiltinScale * position.y, -BuiltinScale * position.z};
}
