// The shadow map's framebuffer check, made to fail by asking for a depth texture
// larger than the driver makes: one line, no shadow pass, and a depth texture
// that leaves every fragment lit.
#include <gtest/gtest.h>

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
