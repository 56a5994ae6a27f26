// The GL side of the key toggles and the debug-message callback on a real
// debug context.
#include <gtest/gtest.h>
#include "support/skip_or_fail.h"

#include <cstdio>
#include <cstdlib>

#include "app/diagnostics.h"
#include "app/key_callback.h"
#include "app/startup_failure.h"
#include "framework/framework.h"
#include "support/gl_test.h"

namespace {

class AppGl : public GlTest {
protected:
    void TearDown() override
    {
        if (window == nullptr)
            return;
        glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
        glDisable(GL_CULL_FACE);
        glfwSetWindowShouldClose(window, GLFW_FALSE);
        renderFlags = RenderFlags{};
    }
};

GLint polygonMode()
{
    GLint modes[2] = {};
    glGetIntegerv(GL_POLYGON_MODE, modes);
    return modes[0];
}

}  // namespace

TEST_F(AppGl, F1SwitchesPolygonModeBothWays)
{
    keyCallback(window, GLFW_KEY_F1, 0, GLFW_RELEASE, 0);
    EXPECT_EQ(polygonMode(), GL_LINE);
    keyCallback(window, GLFW_KEY_F1, 0, GLFW_PRESS, 0);
    EXPECT_EQ(polygonMode(), GL_LINE);
    keyCallback(window, GLFW_KEY_F1, 0, GLFW_RELEASE, 0);
    EXPECT_EQ(polygonMode(), GL_FILL);
}

TEST_F(AppGl, F2FollowsTheFlagNotTheCurrentState)
{
    glEnable(GL_CULL_FACE);
    keyCallback(window, GLFW_KEY_F2, 0, GLFW_RELEASE, 0);
    EXPECT_EQ(glIsEnabled(GL_CULL_FACE), GL_TRUE);
    keyCallback(window, GLFW_KEY_F2, 0, GLFW_RELEASE, 0);
    EXPECT_EQ(glIsEnabled(GL_CULL_FACE), GL_FALSE);
}

TEST_F(AppGl, EscapeAsksTheWindowToClose)
{
    keyCallback(window, GLFW_KEY_ESCAPE, 0, GLFW_PRESS, 0);
    EXPECT_FALSE(glfwWindowShouldClose(window));
    keyCallback(window, GLFW_KEY_ESCAPE, 0, GLFW_RELEASE, 0);
    EXPECT_TRUE(glfwWindowShouldClose(window));
}

TEST_F(AppGl, F3PrintsTheMapLine)
{
    ::testing::internal::CaptureStdout();
    keyCallback(window, GLFW_KEY_F3, 0, GLFW_RELEASE, 0);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "Map: 0\n");
    EXPECT_FALSE(renderFlags.showMap);
}

TEST_F(AppGl, DebugCallbackReportsAnInvalidEnum)
{
    if (glDebugMessageCallback == nullptr)
        SKIP_OR_FAIL("driver has no debug output");
    glDebugMessageCallback(openGlDebugCallback, nullptr);
    glEnable(GL_DEBUG_OUTPUT);
    glEnable(GL_DEBUG_OUTPUT_SYNCHRONOUS);
    ::testing::internal::CaptureStdout();
    glEnable(0xFFFF);
    const std::string output = ::testing::internal::GetCapturedStdout();
    glDebugMessageCallback(nullptr, nullptr);
    glGetError();
    EXPECT_EQ(output.rfind("OpenGL Error: ", 0), 0u) << output;
    EXPECT_NE(output.find("[Source = API, Type = Error, Severity = High, ID = "), std::string::npos)
        << output;
}

// A start-up that fails after the framework came up (the physics step) releases
// the framework's objects before GLFW takes the context away, so nothing is left
// for the exit to delete without a context. Runs in a child process of its own,
// since it ends GLFW.
TEST_F(AppGl, AFailureAfterTheFrameworkStartedReleasesItBeforeGlfwEnds)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const auto failAfterFramework = [] {
        std::freopen("/dev/null", "r", stdin);  // nobody presses Enter here
        glUseProgram(0);
        if (!initFramework() || defaultShader == nullptr || builtinMesh.vao == 0)
            std::exit(2);
        failStartup("Failed to init physics", FrameworkState::Started);
        const bool released =
            defaultShader == nullptr && builtinMesh.vao == 0 && glfwGetCurrentContext() == nullptr;
        std::exit(released ? 0 : 3);
    };
    EXPECT_EXIT(failAfterFramework(), ::testing::ExitedWithCode(0), "");
}
