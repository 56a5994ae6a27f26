// The light atlas's framebuffer check, made to fail by an atlas wider than the
// driver's largest texture: one line, and a StaticLight the level drops for
// per-pixel light.
#include <gtest/gtest.h>

#include "scene/static_light.h"
#include "support/gl_test.h"

using StaticLightGl = GlTest;

TEST_F(StaticLightGl, AnAtlasTheDriverMakesIsCompleteWithoutAWord)
{
    testing::internal::CaptureStdout();
    const StaticLight light({}, LightAtlasSettings{});
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_TRUE(light.isComplete());
}

TEST_F(StaticLightGl, AnAtlasWiderThanTheDriverMakesIsRefusedWithOneLine)
{
    GLint largest = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &largest);
    LightAtlasLayout layout;
    layout.width = largest + 1;
    layout.height = 1;
    testing::internal::CaptureStdout();
    const StaticLight light({}, layout, 0);
    EXPECT_EQ(
        testing::internal::GetCapturedStdout(),
        "Light atlas framebuffer incomplete (GL_FRAMEBUFFER_INCOMPLETE_ATTACHMENT): lighting every pixel "
        "per frame\n");
    EXPECT_FALSE(light.isComplete());
}
