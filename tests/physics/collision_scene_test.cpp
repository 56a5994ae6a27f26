// The collision scene's static meshes and the process-wide physics world.
#include <gtest/gtest.h>

#include "physics/physics_world.h"
#include "physics/static_mesh_collider.h"
#include "test_worlds.h"

namespace {

TEST(CollisionScene, RefusesMeshesWithNothingToCollideWith)
{
    CollisionScene scene;
    const std::vector<glm::vec3> line{{0, 0, 0}, {1, 0, 0}, {2, 0, 0}};
    EXPECT_EQ(scene.addStaticMesh({}, {}), nullptr);
    EXPECT_EQ(scene.addStaticMesh(line, {}), nullptr);
    EXPECT_EQ(scene.addStaticMesh(line, {0, 1, 2, 2, 1, 0}), nullptr);
    EXPECT_EQ(scene.addStaticMesh(line, {3, 4, 5}), nullptr);
    EXPECT_EQ(scene.staticMeshCount(), 0u);
}

TEST(CollisionScene, KeepsCopiesOfTheSurvivingTriangles)
{
    CollisionScene scene;
    std::vector<glm::vec3> positions{{0, 1, 0}, {0, 1, 4}, {4, 1, 4}, {4, 1, 0}};
    std::vector<std::uint32_t> indices{0, 1, 2, 0, 2, 9, 0, 2, 3, 1};
    StaticMeshCollider* collider = scene.addStaticMesh(positions, indices);
    ASSERT_NE(collider, nullptr);
    positions.clear();
    indices.clear();
    EXPECT_EQ(collider->triangleCount(), 2u);
    EXPECT_EQ(collider->indices, (std::vector<std::uint32_t>{0, 1, 2, 0, 2, 3}));
    EXPECT_EQ(collider->positions.size(), 4u);
    EXPECT_EQ(scene.staticMeshCount(), 1u);
}

TEST(CollisionScene, DroppedTriangleDoesNotBlockButTheRestOfItsMeshStillCarries)
{
    TestWorld world;
    // A floor (two good triangles) and a wall at x = 2 whose second index is out of range.
    std::vector<glm::vec3> positions{{-5, 1, -5}, {-5, 1, 5}, {5, 1, 5}, {5, 1, -5},
                                     {2, 1, -5},  {2, 4, 5},  {2, 4, -5}};
    std::vector<std::uint32_t> indices{0, 1, 2, 0, 2, 3, 4, 6, 99, 4, 99, 5};
    ASSERT_NE(world.scene.addStaticMesh(positions, indices), nullptr);
    CharacterController* player = world.addPlayer(0, 1.0 + PlayerRestHeight, 0);
    const std::vector<CollisionFlags> flags = repeatMove(*player, {0.1f, 0.0f, 0.0f}, 30);
    EXPECT_EQ(countFlag(flags, CollisionSides), 0);
    EXPECT_EQ(countFlag(flags, CollisionDown), 30);
    EXPECT_NEAR(player->getPosition().x, 3.0, 0.01);
}

TEST(PhysicsWorld, InitPhysicsBuildsAnEmptySceneWithStoredDefaults)
{
    initPhysics();
    ASSERT_NE(PhysicsWorld::scene, nullptr);
    EXPECT_EQ(PhysicsWorld::scene->staticMeshCount(), 0u);
    EXPECT_EQ(PhysicsWorld::gravity, glm::vec3(0.0f, -9.81f, 0.0f));
    EXPECT_EQ(PhysicsWorld::defaultMaterial.staticFriction, 0.5f);
    EXPECT_EQ(PhysicsWorld::defaultMaterial.dynamicFriction, 0.5f);
    EXPECT_EQ(PhysicsWorld::defaultMaterial.restitution, 0.6f);
}

TEST(PhysicsWorld, FallingCapsulePassesYZeroWithNoGroundPlane)
{
    initPhysics();
    ControllerManager manager(*PhysicsWorld::scene);
    // A floor elsewhere, so the world is not empty.
    PhysicsWorld::scene->addStaticMesh({{10, 1, 10}, {10, 1, 20}, {20, 1, 20}}, {0, 1, 2});
    CapsuleControllerDesc desc;
    desc.position = {0.0, 2.5, 0.0};
    desc.radius = PlayerRadius;
    desc.height = PlayerHeight;
    CharacterController* player = manager.createController(desc);
    ASSERT_NE(player, nullptr);
    const std::vector<CollisionFlags> flags = repeatMove(*player, {0.0f, -0.23f, 0.0f}, 30);
    EXPECT_EQ(countFlag(flags, CollisionDown), 0);
    EXPECT_LT(player->getPosition().y, -4.0);
}

}  // namespace
