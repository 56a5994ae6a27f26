// The physics view on a real context: a spider loaded as the level loads it,
// standing on a floor collider, seen from the side through an orthographic
// camera, so every world unit covers a known number of pixels.
#include <gtest/gtest.h>
#include "support/skip_or_fail.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include <GL/glew.h>
#include <glm/gtc/matrix_transform.hpp>

#include "app/physics_view.h"
#include "framework/asset_search.h"
#include "game/level_creatures.h"
#include "game/spider.h"
#include "physics/character_controller.h"
#include "physics/collision_scene.h"
#include "physics/game_position.h"
#include "support/gl_context.h"

namespace {

constexpr int TargetSize = 128;
const glm::vec3 SpiderStart{0.0f, 1.5f, 0.0f};
constexpr float FloorY = 0.5f;
// Rasterised lines may land a pixel either side of their exact position.
constexpr float PixelSlack = 1.5f;

using Frame = std::vector<unsigned char>;

Frame readFrame()
{
    Frame rgba(std::size_t(TargetSize) * TargetSize * 4);
    glReadPixels(0, 0, TargetSize, TargetSize, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    return rgba;
}

bool hasColor(const Frame& frame, int x, int y, const glm::vec3& color)
{
    const unsigned char* pixel = &frame[(std::size_t(y) * TargetSize + x) * 4];
    for (int channel = 0; channel < 3; ++channel) {
        if (std::abs(pixel[channel] - color[channel] * 255.0f) > 2.0f)
            return false;
    }
    return true;
}

// Pixel columns and rows that hold `color`: [minX, maxX] x [minY, maxY], or
// minX > maxX when none does.
struct PixelBox {
    int minX = TargetSize, maxX = -1, minY = TargetSize, maxY = -1;
    bool empty() const { return minX > maxX; }
};

PixelBox boxOf(const Frame& frame, const glm::vec3& color)
{
    PixelBox box;
    for (int y = 0; y < TargetSize; ++y) {
        for (int x = 0; x < TargetSize; ++x) {
            if (!hasColor(frame, x, y, color))
                continue;
            box.minX = std::min(box.minX, x);
            box.maxX = std::max(box.maxX, x);
            box.minY = std::min(box.minY, y);
            box.maxY = std::max(box.maxY, y);
        }
    }
    return box;
}

class PhysicsViewGl : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!ensureGlContext())
            SKIP_OR_FAIL(glContextFailure());
        target = std::make_unique<OffscreenTarget>(TargetSize);
        scene.addStaticMesh({{-4, FloorY, -4}, {-4, FloorY, 4}, {4, FloorY, 4}, {4, FloorY, -4}},
                            {0, 1, 2, 0, 2, 3});
        spiderModel = Model(findAssetFile(SpiderBody.modelFile), &scene, &manager, false, SpiderBody.scale,
                            SpiderBody.capsuleRadiusFactor, SpiderBody.capsuleHeightFactor);
        ASSERT_NE(spiderModel.controller, nullptr);
        spider = std::make_unique<Spider>(spiderModel, SpiderStart, LevelSpiders[0].patrolAxis,
                                          LevelSpiders[0].patrolDistance);
        capsule = spiderModel.controller;
        centre = toGamePosition(capsule->getPosition());
        halfExtent = 0.5f * capsule->height() + capsule->radius() + capsule->contactOffset();
        // The spider fills the middle of the target, seen along -z, with the
        // floor below it in view.
        viewHalfSize = 2.0f * std::max(halfExtent, centre.y - FloorY);
        viewProjection = glm::ortho(-viewHalfSize, viewHalfSize, -viewHalfSize, viewHalfSize, 0.1f, 50.0f) *
                         glm::lookAt(centre + glm::vec3(0, 0, 10), centre, glm::vec3(0, 1, 0));
    }

    // Pixel column / row of world x / y in this view.
    float pixelX(float x) const { return (x - centre.x + viewHalfSize) / (2 * viewHalfSize) * TargetSize; }
    float pixelY(float y) const { return (y - centre.y + viewHalfSize) / (2 * viewHalfSize) * TargetSize; }

    // A frame of known content: a grey clear and the depth the level would leave.
    void drawBackground() const
    {
        glClearColor(0.3f, 0.3f, 0.3f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }

    std::unique_ptr<OffscreenTarget> target;
    CollisionScene scene;
    ControllerManager manager{scene};
    Model spiderModel;
    std::unique_ptr<Spider> spider;
    const CharacterController* capsule = nullptr;
    glm::vec3 centre{0.0f};
    float halfExtent = 0.0f;
    float viewHalfSize = 1.0f;
    glm::mat4 viewProjection{1.0f};
};

}  // namespace

TEST_F(PhysicsViewGl, OutlinesTheSpidersCapsuleAndItsContactOffset)
{
    PhysicsView view(scene, manager);
    drawBackground();
    view.draw(viewProjection, true);
    ASSERT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    const Frame frame = readFrame();

    // The capsule's outline spans exactly the capsule: radius across, core
    // height plus both caps up and down.
    const PixelBox core = boxOf(frame, CapsuleColor);
    ASSERT_FALSE(core.empty()) << "no capsule outline drawn";
    const float radius = capsule->radius();
    const float capTop = centre.y + 0.5f * capsule->height() + radius;
    EXPECT_NEAR(core.minX, pixelX(centre.x - radius), PixelSlack);
    EXPECT_NEAR(core.maxX + 1, pixelX(centre.x + radius), PixelSlack);
    EXPECT_NEAR(core.maxY + 1, pixelY(capTop), PixelSlack);
    EXPECT_NEAR(core.minY, pixelY(2 * centre.y - capTop), PixelSlack);

    // Around it, the skin the sweeps keep: wider by the contact offset each side.
    const PixelBox skin = boxOf(frame, ContactOffsetColor);
    ASSERT_FALSE(skin.empty()) << "no contact-offset outline drawn";
    EXPECT_NEAR(skin.minX, pixelX(centre.x - radius - capsule->contactOffset()), PixelSlack);
    EXPECT_NEAR(skin.maxY + 1, pixelY(centre.y + halfExtent), PixelSlack);
    EXPECT_LT(skin.minX, core.minX);

    // The floor collider, seen edge-on, is a line at its height.
    const PixelBox floor = boxOf(frame, StaticColliderColor);
    ASSERT_FALSE(floor.empty()) << "no static collider drawn";
    EXPECT_NEAR(floor.minY, pixelY(FloorY), PixelSlack);
    EXPECT_NEAR(floor.maxY, pixelY(FloorY), PixelSlack);
}

TEST_F(PhysicsViewGl, OffLeavesTheFrameAndTheGlStateAlone)
{
    PhysicsView view(scene, manager);
    drawBackground();
    const Frame before = readFrame();
    view.draw(viewProjection, false);
    EXPECT_EQ(readFrame(), before);
    EXPECT_FALSE(view.isBuilt()) << "made GL objects while off";

    // On once, then off again: the next frame is untouched once more, and the
    // state the level's passes rely on is as they left it.
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LESS);
    view.draw(viewProjection, true);
    EXPECT_NE(readFrame(), before);
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    GLint depthFunction = 0;
    glGetIntegerv(GL_DEPTH_FUNC, &depthFunction);
    EXPECT_EQ(depthFunction, GL_LESS);
    GLint program = -1;
    glGetIntegerv(GL_CURRENT_PROGRAM, &program);
    EXPECT_EQ(program, 0);

    drawBackground();
    view.draw(viewProjection, false);
    EXPECT_EQ(readFrame(), before);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}
