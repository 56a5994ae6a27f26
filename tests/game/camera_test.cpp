#include "game/camera.h"

#include <cmath>
#include <vector>

#include <glm/geometric.hpp>
#include <glm/gtc/matrix_transform.hpp>
#include <gtest/gtest.h>

constexpr float Tolerance = 1e-5f;

static void expectNear(const glm::vec3& actual, const glm::vec3& expected, float tolerance = Tolerance)
{
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}

TEST(CameraCursor, FirstEventChangesNothing)
{
    Camera camera;
    camera.setup(60.0f, 1.0f, 0.1f, 100.0f, 0.3f, -0.2f);
    camera.onCursorPos(500.0, -300.0);
    EXPECT_FLOAT_EQ(camera.yaw, 0.3f);
    EXPECT_FLOAT_EQ(camera.pitch, -0.2f);

    camera.onCursorPos(510.0, -295.0);
    EXPECT_FLOAT_EQ(camera.yaw, 0.3f + 10.0f * MouseSensitivity);
    EXPECT_FLOAT_EQ(camera.pitch, -0.2f + 5.0f * MouseSensitivity);
}

TEST(CameraCursor, PitchStopsAtTheClampAndComesBackAtOnce)
{
    Camera camera;
    camera.onCursorPos(0.0, 0.0);
    camera.onCursorPos(0.0, 10000.0);
    EXPECT_FLOAT_EQ(camera.pitch, MaxPitch);
    camera.onCursorPos(0.0, 20000.0);
    EXPECT_FLOAT_EQ(camera.pitch, MaxPitch);
    // No stored overshoot: the first move up leaves the clamp immediately.
    camera.onCursorPos(0.0, 19990.0);
    EXPECT_FLOAT_EQ(camera.pitch, MaxPitch - 10.0f * MouseSensitivity);
    camera.onCursorPos(0.0, -100000.0);
    EXPECT_FLOAT_EQ(camera.pitch, -MaxPitch);
}

TEST(CameraCursor, SetupPitchBeyondClampIsKeptUntilTheFirstEvent)
{
    Camera camera;
    camera.setup(60.0f, 1.0f, 0.1f, 100.0f, 0.0f, 2.0f);
    const glm::mat4 steep = camera.computeView(glm::vec3(0.0f));
    EXPECT_NEAR(viewForward(steep).y, -std::sin(2.0f), 1e-5f);
    // Even the first event, which moves nothing, runs the clamp.
    camera.onCursorPos(7.0, 7.0);
    EXPECT_FLOAT_EQ(camera.pitch, MaxPitch);
}

TEST(CameraCursor, YawGrowsWithoutWrap)
{
    Camera camera;
    camera.onCursorPos(0.0, 0.0);
    camera.onCursorPos(5000.0, 0.0);
    EXPECT_FLOAT_EQ(camera.yaw, 10.0f);
}

TEST(CameraView, ForwardAtKnownAngles)
{
    struct Case {
        const char* name;
        float yaw;
        float pitch;
        glm::vec3 forward;
    };
    const float quarter = 1.5707963f;
    const float s = std::sin(0.5f);
    const float c = std::cos(0.5f);
    const std::vector<Case> cases = {
        {"level ahead looks along -z", 0.0f, 0.0f, {0, 0, -1}},
        {"quarter turn right looks along +x", quarter, 0.0f, {1, 0, 0}},
        {"half turn looks along +z", 2.0f * quarter, 0.0f, {0, 0, 1}},
        {"positive pitch looks down", 0.0f, 0.5f, {0, -s, -c}},
        {"yaw and pitch together", quarter, -0.5f, {c, s, 0}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        Camera camera;
        camera.setup(60.0f, 1.0f, 0.1f, 100.0f, k.yaw, k.pitch);
        const glm::mat4 view = camera.computeView(glm::vec3(3.0f, 4.0f, -5.0f));
        expectNear(viewForward(view), k.forward);
        expectNear(camera.eyePosition, glm::vec3(3.0f, 4.0f, -5.0f));
    }
}

TEST(CameraView, EyeSitsAtTheCentreAndMapsToTheOrigin)
{
    Camera camera;
    camera.setup(60.0f, 1.0f, 0.1f, 100.0f, 0.7f, 0.2f);
    const glm::vec3 centre(10.0f, 2.5f, -3.0f);
    const glm::mat4 view = camera.computeView(centre);
    const glm::vec4 eyeInView = view * glm::vec4(centre, 1.0f);
    expectNear(glm::vec3(eyeInView), glm::vec3(0.0f), 1e-4f);
    // A point ahead of the eye lies on the camera's -z axis.
    const glm::vec3 ahead = centre + 4.0f * viewForward(view);
    expectNear(glm::vec3(view * glm::vec4(ahead, 1.0f)), glm::vec3(0, 0, -4), 1e-4f);
}

TEST(CameraView, OrbitEyeStaysBehindTheViewingDirection)
{
    const glm::vec3 centre(1.0f, 2.0f, 3.0f);
    const float yaw = 0.4f;
    const float pitch = -0.3f;
    const glm::vec3 eye = orbitEye(centre, yaw, pitch, 2.0f);
    const glm::vec3 forward = viewForward(lookFrom(eye, yaw, pitch));
    expectNear(eye + 2.0f * forward, centre, 1e-4f);
}

TEST(CameraProjection, UsesFieldOfViewInRadians)
{
    Camera camera;
    camera.setup(90.0f, 2.0f, 0.5f, 50.0f, 0.0f, 0.0f);
    EXPECT_NEAR(camera.fov, 1.5707963f, 1e-6f);
    const glm::mat4 projection = camera.projection();
    // At 90 degrees the vertical scale is 1, the horizontal one 1 / aspect.
    EXPECT_NEAR(projection[1][1], 1.0f, 1e-5f);
    EXPECT_NEAR(projection[0][0], 0.5f, 1e-5f);
}
