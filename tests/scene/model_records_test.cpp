// Model records without a GPU: scaling, extents, copies, and the collision
// objects a model makes for itself.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "physics/character_controller.h"
#include "physics/collision_scene.h"
#include "scene/model.h"

namespace {

// A mesh of one triangle per entry of `corners` (three positions each).
Mesh triangleMesh(const std::vector<glm::vec3>& corners)
{
    Mesh mesh;
    for (const glm::vec3& corner : corners) {
        Vertex vertex;
        vertex.position = corner;
        vertex.normal = {0.0f, 1.0f, 0.0f};
        mesh.indices.push_back(static_cast<std::uint32_t>(mesh.vertices.size()));
        mesh.vertices.push_back(vertex);
    }
    return mesh;
}

Model floorModel()
{
    Model model;
    model.meshes.push_back(triangleMesh({{0, 0, 0}, {0, 0, 4}, {4, 0, 0}}));
    model.meshes.push_back(triangleMesh({{10, 2, 10}, {10, 2, 14}, {16, 6, 10}}));
    return model;
}

struct Output {
    std::string out;
    std::string err;
};

template <typename Action>
Output captureOutput(Action action)
{
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    action();
    Output output;
    output.out = testing::internal::GetCapturedStdout();
    output.err = testing::internal::GetCapturedStderr();
    return output;
}

TEST(ModelRecords, ScalingHalvesPositionsAndExtentsButNotNormals)
{
    Model model = floorModel();
    model.computeExtents();
    const glm::vec3 before(model.extentX, model.extentY, model.extentZ);
    EXPECT_EQ(before, glm::vec3(16.0f, 6.0f, 14.0f));
    model.scaleVertices(0.5f);
    model.computeExtents();
    EXPECT_EQ(glm::vec3(model.extentX, model.extentY, model.extentZ), before * 0.5f);
    EXPECT_EQ(model.meshes[1].vertices[2].position, glm::vec3(8.0f, 3.0f, 5.0f));
    EXPECT_EQ(model.meshes[1].vertices[2].normal, glm::vec3(0.0f, 1.0f, 0.0f));
}

TEST(ModelRecords, EmptyModelHasNegativeInfiniteExtents)
{
    Model model;
    model.computeExtents();
    EXPECT_TRUE(std::isinf(model.extentX) && model.extentX < 0.0f);
    EXPECT_TRUE(std::isinf(model.extentY) && model.extentY < 0.0f);
    EXPECT_TRUE(std::isinf(model.extentZ) && model.extentZ < 0.0f);
}

TEST(ModelRecords, CopiesShareGpuNamesAndCollisionObjects)
{
    CollisionScene scene;
    Model original = floorModel();
    original.meshes[0].vao = 7;
    original.meshes[0].textures.push_back({12, "texture_diffuse", "t.png"});
    original.setupPhysics(&scene, nullptr);
    Model copy = original;
    {
        const Model discarded = copy;
    }
    EXPECT_EQ(copy.meshes[0].vao, 7u);
    EXPECT_EQ(copy.meshes[0].textures[0].id, 12u);
    EXPECT_EQ(copy.staticActors, original.staticActors);
    EXPECT_EQ(copy.scene, &scene);
    EXPECT_EQ(scene.staticMeshCount(), 2u) << "copying makes no new colliders";
}

TEST(ModelPhysics, WithoutControllerManagerEachMeshBecomesAStaticMesh)
{
    CollisionScene scene;
    Model model = floorModel();
    const Output output = captureOutput([&] { model.setupPhysics(&scene, nullptr); });
    EXPECT_EQ(output.out, "Triangle mesh created successfully\nTriangle mesh created successfully\n");
    EXPECT_EQ(output.err, "");
    ASSERT_EQ(model.staticActors.size(), 2u);
    EXPECT_EQ(model.staticActor, model.staticActors.back());
    EXPECT_EQ(model.controller, nullptr);
    EXPECT_EQ(scene.staticMeshCount(), 2u);
}

TEST(ModelPhysics, MeshWithoutUsableTrianglesIsReportedOnBothStreams)
{
    CollisionScene scene;
    Model model = floorModel();
    model.meshes.insert(model.meshes.begin(), triangleMesh({{1, 1, 1}, {1, 1, 1}, {1, 1, 1}}));
    const Output output = captureOutput([&] { model.setupPhysics(&scene, nullptr); });
    EXPECT_EQ(output.out, "Failed to create triangle mesh\nTriangle mesh created successfully\n"
                          "Triangle mesh created successfully\n");
    EXPECT_EQ(output.err, "Failed to create triangle mesh for mesh: 0\n");
    EXPECT_EQ(model.staticActors.size(), 2u);
}

TEST(ModelPhysics, EmptyModelWithoutManagerPrintsNothing)
{
    CollisionScene scene;
    Model model;
    model.computeExtents();
    const Output output = captureOutput([&] { model.setupPhysics(&scene, nullptr); });
    EXPECT_EQ(output.out + output.err, "");
    EXPECT_TRUE(model.staticActors.empty());
}

TEST(ModelPhysics, WithManagerOneCapsuleSizedFromTheExtentsParkedAtFiveTwoFive)
{
    CollisionScene scene;
    ControllerManager manager(scene);
    Model model = floorModel();
    model.controllerRadiusFactor = 0.1f;
    model.controllerHeightFactor = 0.15f;
    model.computeExtents();
    const Output output = captureOutput([&] { model.setupPhysics(&scene, &manager); });
    EXPECT_EQ(output.out + output.err, "");
    ASSERT_NE(model.controller, nullptr);
    EXPECT_FLOAT_EQ(model.controller->radius(), 16.0f / 3.0f * 0.1f);
    EXPECT_FLOAT_EQ(model.controller->height(), 6.0f * 0.15f);
    EXPECT_EQ(model.controller->getPosition(), glm::dvec3(5.0, 2.0, 5.0));
    EXPECT_EQ(manager.controllerCount(), 1u);
    EXPECT_TRUE(model.staticActors.empty());
    EXPECT_EQ(scene.staticMeshCount(), 0u);
}

TEST(ModelPhysics, FailedImportGetsNoControllerAndSaysSo)
{
    CollisionScene scene;
    ControllerManager manager(scene);
    Model model;
    model.computeExtents();
    const Output output = captureOutput([&] { model.setupPhysics(&scene, &manager); });
    EXPECT_EQ(output.err, "Failed to create character controller\n");
    EXPECT_EQ(model.controller, nullptr);
    EXPECT_EQ(manager.controllerCount(), 0u);
}

TEST(ModelPhysics, CapsuleTooSmallForTheStepIsRefused)
{
    CollisionScene scene;
    ControllerManager manager(scene);
    Model model;
    model.meshes.push_back(triangleMesh({{0, 0, 0}, {0.3f, 0.1f, 0}, {0, 0, 0.2f}}));
    model.computeExtents();
    const Output output = captureOutput([&] { model.setupPhysics(&scene, &manager); });
    EXPECT_EQ(output.err, "Failed to create character controller\n");
    EXPECT_EQ(model.controller, nullptr);
}

}  // namespace
