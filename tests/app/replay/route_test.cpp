// Routes and the autopilot that steers the player along them.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include <GLFW/glfw3.h>

#include "app/replay/route.h"

namespace {

constexpr float Sensitivity = 0.002f;

Route parseOk(const std::string& text)
{
    std::istringstream input(text);
    const RouteParseResult read = parseRoute(input, "test.route");
    EXPECT_TRUE(read.ok()) << read.error;
    return read.route;
}

bool holds(const DemoFrame& frame, int key)
{
    return (frame.keys & demoKeyBit(key)) != 0;
}

// The camera's yaw after the autopilot's cursor events, as the camera applies
// them: the first event of the run only sets the cursor.
struct CameraStandIn {
    float yaw = 0.0f;
    bool first = true;
    double lastX = 0.0;
    void apply(const DemoFrame& frame)
    {
        for (const glm::dvec2& cursor : frame.cursorEvents) {
            if (!first)
                yaw += static_cast<float>(cursor.x - lastX) * Sensitivity;
            first = false;
            lastX = cursor.x;
        }
    }
};

TEST(Route, ReadsEveryInstruction)
{
    const Route route = parseOk("korvel-route 1\nsprint on\ngoto 1 -2  # a comment\njump\nwalk 0.5\n"
                                "wait 1\npress F10\n");
    ASSERT_EQ(route.steps.size(), 6u);
    EXPECT_EQ(route.steps[1].kind, RouteStep::Kind::Goto);
    EXPECT_EQ(route.steps[1].target, glm::vec2(1.0f, -2.0f));
    EXPECT_EQ(route.steps[5].key, demoKeyBit(GLFW_KEY_F10));
}

TEST(Route, BadLinesAreRefusedWithTheirLineNumber)
{
    const char* const cases[][2] = {
        {"korvel-route 1\ngoto 1\n", "ERROR: Bad route file 'r' line 2: expected 'goto <x> <z>'"},
        {"korvel-route 1\nfly 3\n", "ERROR: Bad route file 'r' line 2: unknown instruction 'fly'"},
        {"korvel-route 1\nwait -1\n",
         "ERROR: Bad route file 'r' line 2: expected 'wait <seconds>' with 0 to 3600 seconds"},
        {"korvel-route 1\npress Escape\n", "ERROR: Bad route file 'r' line 2: unknown key 'Escape'"},
        {"korvel-route 1\njump high\n", "ERROR: Bad route file 'r' line 2: unexpected 'high'"},
        {"route\n", "ERROR: Bad route file 'r' line 1: expected 'korvel-route 1'"},
    };
    for (const auto& [text, expected] : cases) {
        std::istringstream input(text);
        EXPECT_EQ(parseRoute(input, "r").error, expected) << text;
    }
}

TEST(RouteAutopilot, TurnsTheCameraTowardsTheWayPointAndWalks)
{
    RouteAutopilot autopilot(parseOk("korvel-route 1\ngoto 10 0\n"), Sensitivity);
    CameraStandIn camera;
    const DemoFrame first = autopilot.nextFrame({0.0f, 1.85f, 0.0f}, camera.yaw);
    camera.apply(first);
    EXPECT_TRUE(holds(first, GLFW_KEY_W));
    EXPECT_FALSE(holds(first, GLFW_KEY_B));
    // East is +x: a quarter turn to the right of north (-z).
    EXPECT_NEAR(camera.yaw, 1.5707963f, 1e-3f);
    camera.apply(autopilot.nextFrame({1.0f, 1.85f, 0.0f}, camera.yaw));
    EXPECT_NEAR(camera.yaw, 1.5707963f, 1e-3f);
}

TEST(RouteAutopilot, FacingTurnsWithoutWalking)
{
    RouteAutopilot autopilot(parseOk("korvel-route 1\nface 0 10\nwait 0.1\n"), Sensitivity);
    CameraStandIn camera;
    const DemoFrame frame = autopilot.nextFrame({0.0f, 1.85f, 0.0f}, camera.yaw);
    camera.apply(frame);
    EXPECT_EQ(frame.keys, 0);
    // South (+z) is half a turn from north.
    EXPECT_NEAR(std::fabs(camera.yaw), 3.1415927f, 1e-3f);
}

TEST(RouteAutopilot, SprintsOnlyFarFromTheWayPoint)
{
    RouteAutopilot autopilot(parseOk("korvel-route 1\nsprint on\ngoto 0 -20\n"), Sensitivity);
    EXPECT_TRUE(holds(autopilot.nextFrame({0.0f, 1.85f, 0.0f}, 0.0f), GLFW_KEY_B));
    EXPECT_FALSE(holds(autopilot.nextFrame({0.0f, 1.85f, -18.0f}, 0.0f), GLFW_KEY_B));
}

TEST(RouteAutopilot, AReachedWayPointHandsOverInTheSameFrame)
{
    RouteAutopilot autopilot(parseOk("korvel-route 1\ngoto 0 0\npress F11\n"), Sensitivity);
    const DemoFrame frame = autopilot.nextFrame({0.05f, 1.85f, 0.0f}, 0.0f);
    EXPECT_TRUE(holds(frame, GLFW_KEY_F11));
    EXPECT_FALSE(holds(frame, GLFW_KEY_W));
    EXPECT_TRUE(autopilot.finished());
}

TEST(RouteAutopilot, WaitsForItsTimeInFrames)
{
    RouteAutopilot autopilot(parseOk("korvel-route 1\nwait 0.5\n"), Sensitivity);
    int frames = 0;
    while (!autopilot.finished() && frames < 1000) {
        EXPECT_EQ(autopilot.nextFrame({}, 0.0f).keys, 0);
        ++frames;
    }
    EXPECT_EQ(frames, 30);
}

TEST(RouteAutopilot, ATeleportEndsTheWalkTowardsAWayPoint)
{
    RouteAutopilot autopilot(parseOk("korvel-route 1\ngoto 100 0\npress F10\n"), Sensitivity);
    autopilot.nextFrame({0.0f, 1.85f, 0.0f}, 0.0f);
    autopilot.nextFrame({0.1f, 1.85f, 0.0f}, 0.0f);
    // A respawn puts the player far away: the route goes on with its next step.
    EXPECT_TRUE(holds(autopilot.nextFrame({4.0f, 1.85f, 40.0f}, 0.0f), GLFW_KEY_F10));
}

}  // namespace
