// Outlines of the physics view: capsule wireframes on the capsule's surface,
// static mesh edges counted once, one outline pair per controller.
#include "physics/collider_outlines.h"

#include <algorithm>
#include <cmath>

#include <glm/common.hpp>
#include <gtest/gtest.h>

#include "physics/character_controller.h"
#include "physics/collision_scene.h"

namespace {

// Distance of `point` from the vertical core segment of a capsule.
float distanceFromCore(const glm::vec3& point, const glm::vec3& centre, float height)
{
    const float y = std::clamp(point.y, centre.y - 0.5f * height, centre.y + 0.5f * height);
    const glm::vec3 nearest(centre.x, y, centre.z);
    const glm::vec3 offset = point - nearest;
    return std::sqrt(offset.x * offset.x + offset.y * offset.y + offset.z * offset.z);
}

}  // namespace

TEST(CapsuleOutline, LiesOnTheSurfaceAndReachesItsExtremes)
{
    const glm::vec3 centre{3.0f, 2.0f, -1.0f};
    const float radius = 0.4f;
    const float height = 1.2f;
    LineList lines;
    appendCapsuleOutline(lines, centre, radius, height);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.size() % 2, 0u);

    glm::vec3 low = lines.front(), high = lines.front();
    for (const glm::vec3& point : lines) {
        EXPECT_NEAR(distanceFromCore(point, centre, height), radius, 1e-5f);
        low = glm::min(low, point);
        high = glm::max(high, point);
    }
    EXPECT_NEAR(high.y, centre.y + 0.5f * height + radius, 1e-5f);
    EXPECT_NEAR(low.y, centre.y - 0.5f * height - radius, 1e-5f);
    EXPECT_NEAR(high.x, centre.x + radius, 1e-5f);
    EXPECT_NEAR(low.z, centre.z - radius, 1e-5f);
}

TEST(StaticEdges, SharedEdgesOnceAndDroppedTrianglesNever)
{
    CollisionScene scene;
    // A quad of two triangles (five edges), and a second mesh whose degenerate
    // triangle is dropped by the scene, leaving one triangle (three edges).
    scene.addStaticMesh({{0, 0, 0}, {1, 0, 0}, {1, 0, 1}, {0, 0, 1}}, {0, 1, 2, 0, 2, 3});
    scene.addStaticMesh({{5, 0, 0}, {6, 0, 0}, {5, 0, 1}}, {0, 1, 2, 0, 0, 1});
    const LineList lines = staticMeshEdges(scene);
    EXPECT_EQ(lines.size(), 2u * (5 + 3));
    for (std::size_t i = 0; i < lines.size(); i += 2)
        EXPECT_NE(lines[i], lines[i + 1]) << "a zero-length edge at " << i;
}

TEST(ControllerOutlines, OneCapsuleAndOneGrownSkinPerController)
{
    CollisionScene scene;
    ControllerManager manager(scene);
    CapsuleControllerDesc desc;
    desc.radius = 0.5f;
    desc.height = 1.0f;
    desc.contactOffset = 0.1f;
    desc.position = {0.0, 5.0, 0.0};
    manager.createController(desc);
    desc.position = {10.0, 5.0, 0.0};
    manager.createController(desc);

    const ControllerOutlines outlines = controllerOutlines(manager);
    LineList one;
    appendCapsuleOutline(one, {0, 5, 0}, 0.5f, 1.0f);
    ASSERT_EQ(outlines.capsules.size(), 2 * one.size());
    ASSERT_EQ(outlines.contactOffsets.size(), outlines.capsules.size());
    float widest = 0.0f;
    for (std::size_t i = 0; i < one.size(); ++i) {
        EXPECT_EQ(outlines.capsules[i], one[i]);
        widest = std::max(widest, outlines.contactOffsets[i].x);
    }
    EXPECT_NEAR(widest, 0.6f, 1e-5f);
    EXPECT_NEAR(outlines.capsules[one.size()].x - one[0].x, 10.0f, 1e-5f);
}
