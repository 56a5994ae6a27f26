#include "game/player_motion.h"

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>
#include <glm/geometric.hpp>
#include <gtest/gtest.h>

#include "fake_keys.h"

constexpr float Tolerance = 1e-5f;

static void expectFinite(const glm::vec3& v)
{
    EXPECT_TRUE(std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z));
}

TEST(HorizontalDirection, DropsHeightAndNormalises)
{
    struct Case {
        const char* name;
        glm::vec3 forward;
        glm::vec3 expected;
    };
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    const std::vector<Case> cases = {
        {"level along -z", {0, 0, -1}, {0, 0, -1}},
        {"looking down steeply keeps full length", {0.0175f, -0.9998f, 0}, {1, 0, 0}},
        {"diagonal", {3, 7, 4}, {0.6f, 0, 0.8f}},
        {"zero vector of the first frame", {0, 0, 0}, {0, 0, 0}},
        {"straight up", {0, 1, 0}, {0, 0, 0}},
        {"vanishing horizontal part", {1e-8f, 1, 0}, {0, 0, 0}},
        {"NaN", {nan, 0, nan}, {0, 0, 0}},
        {"infinite", {inf, 0, 1}, {0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const glm::vec3 h = horizontalDirection(c.forward);
        expectFinite(h);
        EXPECT_NEAR(h.x, c.expected.x, Tolerance);
        EXPECT_EQ(h.y, 0.0f);
        EXPECT_NEAR(h.z, c.expected.z, Tolerance);
    }
}

TEST(RightDirection, IsToTheRightOfTheView)
{
    const glm::vec3 r = rightDirection(glm::vec3(0, 0, -1));
    EXPECT_NEAR(r.x, 1.0f, Tolerance);
    EXPECT_NEAR(r.z, 0.0f, Tolerance);
    EXPECT_EQ(rightDirection(glm::vec3(0.0f)), glm::vec3(0.0f));
}

TEST(KeyDisplacement, CombinesHeldKeys)
{
    struct Case {
        const char* name;
        PlayerKeys keys;
        glm::vec3 forward;
        float expectedLength;
        glm::vec3 expectedDirection;
    };
    const float dt = 0.5f;
    const float speed = PlayerWalkSpeed;
    const float step = dt * speed;
    PlayerKeys w;
    w.forward = true;
    PlayerKeys ws = w;
    ws.backward = true;
    PlayerKeys wd = w;
    wd.right = true;
    PlayerKeys a;
    a.left = true;
    PlayerKeys all = ws;
    all.left = all.right = true;
    const std::vector<Case> cases = {
        {"W forward", w, {0, 0, -1}, step, {0, 0, -1}},
        {"W ignores pitch", w, {0, -0.9f, -0.1f}, step, {0, 0, -1}},
        {"W and S cancel", ws, {1, 0, 0}, 0.0f, {0, 0, 0}},
        {"W and D diagonal at sqrt 2",
         wd,
         {0, 0, -1},
         step * std::sqrt(2.0f),
         glm::normalize(glm::vec3(1, 0, -1))},
        {"A moves left", a, {0, 0, -1}, step, {-1, 0, 0}},
        {"all four cancel", all, {0, 0, -1}, 0.0f, {0, 0, 0}},
        {"first frame zero forward", w, {0, 0, 0}, 0.0f, {0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const glm::vec3 d = keyDisplacement(c.keys, c.forward, dt, speed);
        expectFinite(d);
        EXPECT_EQ(d.y, 0.0f);
        EXPECT_NEAR(glm::length(d), c.expectedLength, Tolerance);
        if (c.expectedLength > 0.0f) {
            const glm::vec3 direction = glm::normalize(d);
            EXPECT_NEAR(direction.x, c.expectedDirection.x, Tolerance);
            EXPECT_NEAR(direction.z, c.expectedDirection.z, Tolerance);
        }
    }
}

TEST(ReadPlayerKeys, MapsGlfwKeys)
{
    const PlayerKeys pressed = readPlayerKeys(FakeKeys{GLFW_KEY_B, GLFW_KEY_SPACE, GLFW_KEY_F11});
    EXPECT_TRUE(pressed.sprint);
    EXPECT_TRUE(pressed.jump);
    EXPECT_TRUE(pressed.quickSave);
    EXPECT_FALSE(pressed.forward || pressed.backward || pressed.left || pressed.right || pressed.restart ||
                 pressed.printPosition);
}

// Flat ground at height 0: a fall below it is stopped there and reported as contact.
struct JumpRun {
    float peak = 0.0f;
    int framesInAir = 0;
    std::vector<float> heights;
};

static JumpRun simulateJump(float dt, int frames, bool holdJump)
{
    VerticalMotion motion;
    JumpRun run;
    float height = 0.0f;
    for (int frame = 0; frame < frames; ++frame) {
        height += stepVerticalMotion(motion, holdJump || frame == 0, dt);
        const bool touchedGround = height <= 0.0f;
        if (touchedGround)
            height = 0.0f;
        settleVerticalMotion(motion, touchedGround);
        run.heights.push_back(height);
        run.peak = std::max(run.peak, height);
        if (motion.airborne)
            ++run.framesInAir;
    }
    return run;
}

TEST(VerticalMotion, FirstJumpFrameAlreadyFeelsGravity)
{
    VerticalMotion motion;
    const float dt = 1.0f / 60.0f;
    const float step = stepVerticalMotion(motion, true, dt);
    EXPECT_FLOAT_EQ(step, dt * (PlayerJumpSpeed - dt * PlayerGravity));
    EXPECT_TRUE(motion.airborne);
}

TEST(VerticalMotion, JumpArcAtSixtyFramesPerSecond)
{
    const JumpRun run = simulateJump(1.0f / 60.0f, 120, false);
    EXPECT_NEAR(run.peak, 1.25f, 0.03f);
    // Up and down again in about 2 * 6 / 13.81 s.
    EXPECT_NEAR(run.framesInAir, 52, 2);
    EXPECT_EQ(run.heights.back(), 0.0f);
}

TEST(VerticalMotion, NoJumpWhileAirborneAndRejumpAfterLanding)
{
    VerticalMotion motion;
    motion.airborne = true;
    motion.verticalVelocity = -1.0f;
    stepVerticalMotion(motion, true, 0.1f);
    EXPECT_FLOAT_EQ(motion.verticalVelocity, -1.0f - 0.1f * PlayerGravity);

    const JumpRun held = simulateJump(1.0f / 60.0f, 120, true);
    // Holding Space jumps again on the frame after landing: never two frames on the ground.
    int groundFrames = 0;
    for (float h : held.heights)
        groundFrames += h == 0.0f ? 1 : 0;
    EXPECT_LE(groundFrames, 3);
}

TEST(VerticalMotion, WalkingOffAnEdgeStartsFallingNextFrame)
{
    VerticalMotion motion;
    EXPECT_EQ(stepVerticalMotion(motion, false, 0.1f), 0.0f);
    settleVerticalMotion(motion, false);
    EXPECT_TRUE(motion.airborne);
    EXPECT_EQ(motion.verticalVelocity, 0.0f);
    EXPECT_LT(stepVerticalMotion(motion, false, 0.1f), 0.0f);
}

TEST(PlayerPositionLine, RoundsToOneDecimal)
{
    struct Case {
        glm::vec3 position;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {{4.0f, 2.5f, 4.0f}, "Player: X: 4, Y: 2.5, Z: 4"},
        {{2.34f, -1.26f, 100.0f}, "Player: X: 2.3, Y: -1.3, Z: 100"},
        {{0.25f, -0.25f, 123.45f}, "Player: X: 0.3, Y: -0.3, Z: 123.5"},
        {{56.135f, 1.5f, -42.508f}, "Player: X: 56.1, Y: 1.5, Z: -42.5"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(playerPositionLine(c.position), c.expected);
}
