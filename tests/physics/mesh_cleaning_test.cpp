#include <gtest/gtest.h>

#include <limits>

#include "physics/mesh_cleaning.h"

namespace {

const std::vector<glm::vec3> Square{{0, 0, 0}, {0, 0, 1}, {1, 0, 1}, {1, 0, 0}};

struct CleaningCase {
    const char* name;
    std::vector<glm::vec3> positions;
    std::vector<std::uint32_t> indices;
    bool isAccepted;
    std::size_t triangles;
    std::size_t dropped;
};

TEST(MeshCleaning, KeepsUsableTrianglesAndRefusesUnusableMeshes)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float infinity = std::numeric_limits<float>::infinity();
    const CleaningCase cases[] = {
        {"two good triangles", Square, {0, 1, 2, 0, 2, 3}, true, 2, 0},
        {"remainder of two indices ignored", Square, {0, 1, 2, 0, 2}, true, 1, 0},
        {"remainder of one index ignored", Square, {0, 1, 2, 3}, true, 1, 0},
        {"out-of-range index dropped", Square, {0, 1, 2, 0, 2, 4}, true, 1, 1},
        {"huge index dropped", Square, {0, 1, 2, 0xFFFFFFFFu, 2, 3}, true, 1, 1},
        {"repeated index dropped", Square, {0, 1, 2, 0, 0, 3}, true, 1, 1},
        {"coincident corners dropped",
         {{0, 0, 0}, {0, 0, 1}, {1, 0, 1}, {0, 0, 0}},
         {0, 1, 2, 0, 3, 2},
         true,
         1,
         1},
        {"collinear corners dropped",
         {{0, 0, 0}, {0, 0, 1}, {1, 0, 1}, {0, 0, 2}},
         {0, 1, 2, 0, 1, 3},
         true,
         1,
         1},
        {"no indices", Square, {}, false, 0, 0},
        {"no vertices", {}, {0, 1, 2}, false, 0, 0},
        {"two vertices", {{0, 0, 0}, {1, 0, 0}}, {0, 1, 1}, false, 0, 0},
        {"only degenerate triangles", Square, {0, 0, 1, 2, 2, 2}, false, 0, 0},
        {"only out-of-range triangles", Square, {4, 5, 6}, false, 0, 0},
        {"NaN position", {{0, 0, 0}, {0, nan, 1}, {1, 0, 1}}, {0, 1, 2}, false, 0, 0},
        {"infinite position", {{0, 0, 0}, {0, 0, 1}, {infinity, 0, 1}}, {0, 1, 2}, false, 0, 0},
    };
    for (const CleaningCase& test : cases) {
        SCOPED_TRACE(test.name);
        const std::optional<CleanedMesh> mesh = cleanTriangleMesh(test.positions, test.indices);
        ASSERT_EQ(mesh.has_value(), test.isAccepted);
        if (mesh) {
            EXPECT_EQ(mesh->triangleCount(), test.triangles);
            EXPECT_EQ(mesh->droppedTriangles, test.dropped);
            EXPECT_EQ(mesh->positions.size(), test.positions.size());
        }
    }
}

TEST(MeshCleaning, SurvivorsKeepTheirIndexOrder)
{
    const std::optional<CleanedMesh> mesh = cleanTriangleMesh(Square, {0, 0, 1, 2, 3, 0});
    ASSERT_TRUE(mesh);
    EXPECT_EQ(mesh->indices, (std::vector<std::uint32_t>{2, 3, 0}));
}

}  // namespace
