// The shadow map's framebuffer check, made to fail by asking for a depth texture
// larger than the driver makes: one line, no shadow pass, and a depth texture
// that leaves every fragment lit.
#include <gtest/gtest.h>

#include <vector>

#include <GL/glew.h>

#include "app/shadow_map.h"
#include "support/gl_test.h"

using ShadowMapGl = GlTest;

TEST_F(ShadowMapGl, TheLevelsMapIsCompleteWithoutAWord)
{
    testing::internal::CaptureStdout();
    const ShadowMap shadowMap = createShadowMap();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_TRUE(shadowMap.castsShadows());
}

TEST_F(ShadowMapGl, ARefusedFramebufferSaysSoAndLeavesEveryFragmentLit)
{
    GLint largest = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &largest);
    testing::internal::CaptureStdout();
    const ShadowMap shadowMap = createShadowMap(largest + 1);
    EXPECT_EQ(
        testing::internal::GetCapturedStdout(),
        "Shadow map framebuffer incomplete (GL_FRAMEBUFFER_INCOMPLETE_ATTACHMENT): drawing without shadows\n");
    EXPECT_FALSE(shadowMap.castsShadows());
    // One texel at the far plane: no fragment of the light's box lies behind it.
    ASSERT_EQ(shadowMap.size, 1);
    float depth = 0.0f;
    glBindTexture(GL_TEXTURE_2D, shadowMap.depthTexture);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_DEPTH_COMPONENT, GL_FLOAT, &depth);
    EXPECT_EQ(depth, 1.0f);
}

namespace {

// The map's depth at texel (x, y).
float depthAt(const ShadowMap& shadowMap, int x, int y)
{
    std::vector<float> depths(static_cast<std::size_t>(shadowMap.size * shadowMap.size));
    glBindTexture(GL_TEXTURE_2D, shadowMap.depthTexture);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_DEPTH_COMPONENT, GL_FLOAT, depths.data());
    return depths[static_cast<std::size_t>(y * shadowMap.size + x)];
}

// Clears the bound framebuffer's depth to `depth`, inside `width` x `height`
// texels at the corner when given: stands in for drawing casters.
void writeDepth(float depth, int width = 0, int height = 0)
{
    if (width > 0) {
        glEnable(GL_SCISSOR_TEST);
        glScissor(0, 0, width, height);
    }
    glClearDepth(depth);
    glClear(GL_DEPTH_BUFFER_BIT);
    glClearDepth(1.0);
    glDisable(GL_SCISSOR_TEST);
}

}  // namespace

// The map's depth format need not hold these values exactly.
constexpr double DepthTolerance = 1e-5;

// Every pass starts from the fixed casters' depth, drawn on the first pass only;
// what moved in one pass is gone in the next.
TEST_F(ShadowMapGl, FixedCastersAreDrawnOnceAndEveryPassStartsFromThem)
{
    ShadowMap shadowMap = createShadowMap(16);
    ASSERT_NE(shadowMap.fixedCastersFramebuffer, 0u);
    int fixedDraws = 0;
    const auto drawFixed = [&fixedDraws] {
        ++fixedDraws;
        writeDepth(fixedDraws == 1 ? 0.5f : 0.9f);
    };

    startShadowPass(shadowMap, drawFixed);
    writeDepth(0.25f, 4, 4);  // a spider at the corner
    EXPECT_NEAR(depthAt(shadowMap, 0, 0), 0.25, DepthTolerance);
    EXPECT_NEAR(depthAt(shadowMap, 8, 8), 0.5, DepthTolerance);

    startShadowPass(shadowMap, drawFixed);
    EXPECT_EQ(fixedDraws, 1);
    EXPECT_NEAR(depthAt(shadowMap, 0, 0), 0.5, DepthTolerance);
    EXPECT_NEAR(depthAt(shadowMap, 8, 8), 0.5, DepthTolerance);

    // Without the fixed casters' own framebuffer, every pass draws them again.
    shadowMap.fixedCastersFramebuffer = 0;
    startShadowPass(shadowMap, drawFixed);
    EXPECT_EQ(fixedDraws, 2);
    EXPECT_NEAR(depthAt(shadowMap, 8, 8), 0.9, DepthTolerance);
}
