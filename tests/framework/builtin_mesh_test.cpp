// The built-in mesh is made of closed, consistently wound solids.
#include "framework/builtin_mesh.h"

#include <cmath>
#include <map>
#include <set>
#include <utility>

#include <glm/geometric.hpp>
#include <gtest/gtest.h>

namespace {

using DirectedEdge = std::pair<std::uint32_t, std::uint32_t>;

std::map<DirectedEdge, int> countDirectedEdges(const std::vector<std::uint32_t>& indices)
{
    std::map<DirectedEdge, int> counts;
    for (std::size_t t = 0; t + 2 < indices.size(); t += 3)
        for (int k = 0; k < 3; ++k)
            ++counts[{indices[t + k], indices[t + (k + 1) % 3]}];
    return counts;
}

}  // namespace

TEST(BuiltinMesh, HasTheAgreedSizes)
{
    EXPECT_EQ(builtinMeshPositions().size(), std::size_t(BuiltinMeshVertexCount));
    EXPECT_EQ(builtinMeshIndices().size(), std::size_t(BuiltinMeshIndexCount));
}

TEST(BuiltinMesh, StartsWithTheAgreedTriangles)
{
    const std::vector<std::uint32_t> indices = builtinMeshIndices();
    const std::vector<std::uint32_t> first(indices.begin(), indices.begin() + 12);
    EXPECT_EQ(first, (std::vector<std::uint32_t>{0, 5, 4, 0, 1, 5, 1, 6, 5, 1, 2, 6}));
}

TEST(BuiltinMesh, EveryVertexReferencedAndInRange)
{
    std::set<std::uint32_t> used;
    for (std::uint32_t index : builtinMeshIndices()) {
        ASSERT_LT(index, std::uint32_t(BuiltinMeshVertexCount));
        used.insert(index);
    }
    EXPECT_EQ(used.size(), std::size_t(BuiltinMeshVertexCount));
}

// Each edge used once in each direction: every edge has exactly two triangles and
// neighbouring triangles agree on their winding.
TEST(BuiltinMesh, IsClosedAndConsistentlyWound)
{
    const std::map<DirectedEdge, int> counts = countDirectedEdges(builtinMeshIndices());
    for (const auto& [edge, count] : counts) {
        EXPECT_EQ(count, 1) << edge.first << "->" << edge.second;
        EXPECT_EQ(counts.count({edge.second, edge.first}), 1u) << edge.first << "->" << edge.second;
    }
}

// Signed volume per connected solid: positive means the triangles face outward.
TEST(BuiltinMesh, PlacedSolidsFaceOutward)
{
    std::vector<glm::vec3> placed;
    for (const glm::vec3& p : builtinMeshPositions()) {
        ASSERT_LE(glm::length(p), std::sqrt(3.0f));
        placed.push_back(placeBuiltinVertex(p));
    }
    const std::vector<std::uint32_t> indices = builtinMeshIndices();
    std::vector<std::uint32_t> parent(placed.size());
    for (std::uint32_t v = 0; v < parent.size(); ++v)
        parent[v] = v;
    const auto rootOf = [&parent](std::uint32_t v) {
        while (parent[v] != v)
            v = parent[v];
        return v;
    };
    for (std::size_t t = 0; t < indices.size(); t += 3)
        for (int k = 1; k < 3; ++k)
            parent[rootOf(indices[t + k])] = rootOf(indices[t]);

    std::map<std::uint32_t, float> volumes;
    for (std::size_t t = 0; t < indices.size(); t += 3) {
        const glm::vec3 a = placed[indices[t]];
        const glm::vec3 b = placed[indices[t + 1]];
        const glm::vec3 c = placed[indices[t + 2]];
        volumes[rootOf(indices[t])] += glm::dot(a, glm::cross(b, c)) / 6.0f;
    }
    EXPECT_EQ(volumes.size(), 112u);
    for (const auto& [solid, volume] : volumes)
        EXPECT_GT(volume, 0.0f) << "solid of vertex " << solid;
}

TEST(BuiltinMesh, PlacementScalesAndMirrorsDepth)
{
    const glm::vec3 placed = placeBuiltinVertex({1.0f, -0.5f, 0.25f});
    EXPECT_FLOAT_EQ(placed.x, 0.8f);
    EXPECT_FLOAT_EQ(placed.y, -0.4f);
    EXPECT_FLOAT_EQ(placed.z, -0.2f);
}
