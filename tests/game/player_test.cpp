#include "game/player.h"

#include <cmath>
#include <string>

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

#include "controller_world.h"
#include "fake_keys.h"
#include "game/camera.h"
#include "physics/game_position.h"

constexpr float Frame = 1.0f / 60.0f;
const glm::vec3 LookNorth(0.0f, 0.0f, -1.0f);
// Capsule centre of a player standing on a floor at y = 0 (half extent + skin).
constexpr float StandingHeight = PlayerHeight / 2.0f + PlayerRadius + PlayerContactOffset;

// Lets the player drop onto the floor and stops on a frame that touched it. A
// player standing still alternates: the zero move finds no ground, so the next
// frame's small fall lands again.
static void settle(Player& player)
{
    const FakeKeys none;
    for (int frame = 0; frame < 30; ++frame)
        player.update(none, Frame, LookNorth);
    for (int frame = 0; frame < 2; ++frame) {
        if (player.update(none, Frame, LookNorth) & CollisionDown)
            break;
    }
    player.refreshPosition();
}

static glm::vec3 centreOf(const Player& player)
{
    return toGamePosition(player.controller->getPosition());
}

TEST(Player, ConstructionPlacesTheNamedCapsule)
{
    ControllerWorld world;
    const Player player(world.manager, glm::vec3(4.0f, 2.5f, 4.0f), 7);
    ASSERT_NE(player.controller, nullptr);
    EXPECT_EQ(player.controller->getName(), "Player");
    EXPECT_EQ(player.position, glm::vec3(4.0f, 2.5f, 4.0f));
    EXPECT_EQ(player.checkpoint, player.startPosition);
    EXPECT_EQ(player.lastDamageTime, 7 + SpawnGraceNanoseconds);
    EXPECT_FLOAT_EQ(player.controller->radius(), PlayerRadius);
}

TEST(Player, FirstFrameZeroForwardDoesNotMoveSideways)
{
    ControllerWorld world;
    world.addFloor(0.0f, 50.0f);
    Player player(world.manager, glm::vec3(0.0f, StandingHeight, 0.0f), 0);
    player.update(FakeKeys{GLFW_KEY_W, GLFW_KEY_D}, Frame, glm::vec3(0.0f));
    const glm::vec3 centre = centreOf(player);
    EXPECT_TRUE(std::isfinite(centre.y));
    EXPECT_EQ(centre.x, 0.0f);
    EXPECT_EQ(centre.z, 0.0f);
}

TEST(Player, WalksSprintsAndMovesDiagonallyOnTheFloor)
{
    struct Case {
        const char* name;
        FakeKeys keys;
        float expectedDistance;
    };
    const float step = Frame * PlayerWalkSpeed;
    const Case cases[] = {
        {"walk", FakeKeys{GLFW_KEY_W}, step},
        {"sprint", FakeKeys{GLFW_KEY_W, GLFW_KEY_B}, Frame * PlayerSprintSpeed},
        {"diagonal", FakeKeys{GLFW_KEY_W, GLFW_KEY_D}, step * std::sqrt(2.0f)},
        {"W and S cancel", FakeKeys{GLFW_KEY_W, GLFW_KEY_S}, 0.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ControllerWorld world;
        world.addFloor(0.0f, 50.0f);
        Player player(world.manager, glm::vec3(0.0f, StandingHeight + 0.05f, 0.0f), 0);
        settle(player);
        ASSERT_FALSE(player.airborne);
        const glm::vec3 before = centreOf(player);
        player.update(c.keys, Frame, LookNorth);
        const glm::vec3 moved = centreOf(player) - before;
        EXPECT_NEAR(std::hypot(moved.x, moved.z), c.expectedDistance, 1e-3f);
        EXPECT_LE(moved.z, 0.0f);
    }
}

TEST(Player, JumpRisesAboutOneAndAQuarterAndLands)
{
    ControllerWorld world;
    world.addFloor(0.0f, 50.0f);
    Player player(world.manager, glm::vec3(0.0f, StandingHeight + 0.05f, 0.0f), 0);
    settle(player);
    const float ground = centreOf(player).y;
    float peak = ground;
    player.events = PlayerEvents{};
    player.update(FakeKeys{GLFW_KEY_SPACE}, Frame, LookNorth);
    EXPECT_TRUE(player.airborne);
    EXPECT_TRUE(player.events.jumped);
    int landingFrame = -1;
    int landings = 0;
    for (int frame = 0; frame < 90; ++frame) {
        player.events = PlayerEvents{};
        const CollisionFlags flags = player.update(FakeKeys{}, Frame, LookNorth);
        peak = std::max(peak, centreOf(player).y);
        EXPECT_FALSE(player.events.jumped);
        // Landing is heard once, with about the speed of the take-off.
        if (player.events.landed && player.events.landingSpeed > 1.0f) {
            ++landings;
            EXPECT_NEAR(player.events.landingSpeed, PlayerJumpSpeed, 0.5f);
        }
        if (landingFrame < 0 && (flags & CollisionDown)) {
            landingFrame = frame;
            EXPECT_FALSE(player.airborne);
            EXPECT_EQ(player.verticalVelocity, 0.0f);
            EXPECT_TRUE(player.events.landed);
        }
    }
    EXPECT_EQ(landings, 1);
    EXPECT_NEAR(peak - ground, 1.25f, 0.05f);
    // Up and down again in about 2 * 6 / 13.81 s.
    EXPECT_NEAR(landingFrame, 51, 3);
    EXPECT_NEAR(centreOf(player).y, ground, 0.02f);
}

TEST(Player, RestartActsBeforeTheMove)
{
    ControllerWorld world;
    const glm::vec3 start(0.0f, 10.0f, 0.0f);
    Player player(world.manager, start, 0);
    player.controller->setPosition(glm::dvec3(30.0, 10.0, 30.0));
    testing::internal::CaptureStdout();
    player.update(FakeKeys{GLFW_KEY_F9, GLFW_KEY_W}, Frame, LookNorth);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Restart\n");
    const glm::vec3 centre = centreOf(player);
    EXPECT_NEAR(centre.x, start.x, 1e-4f);
    EXPECT_NEAR(centre.z, start.z - Frame * PlayerWalkSpeed, 1e-4f);
}

TEST(Player, QuickSaveStoresThePreviousFramesPosition)
{
    ControllerWorld world;
    Player player(world.manager, glm::vec3(1.0f, 10.0f, 2.0f), 0);
    player.controller->setPosition(glm::dvec3(3.0, 10.0, 4.0));
    player.refreshPosition();
    testing::internal::CaptureStdout();
    player.update(FakeKeys{GLFW_KEY_F11, GLFW_KEY_F10, GLFW_KEY_W}, Frame, LookNorth);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Player: X: 3, Y: 10, Z: 4\nQuick Save\n");
    EXPECT_EQ(player.checkpoint, glm::vec3(3.0f, 10.0f, 4.0f));
    EXPECT_NE(centreOf(player).z, 4.0f);

    player.health = 1.0f;
    player.controller->setPosition(glm::dvec3(50.0, 50.0, 50.0));
    player.respawn();
    EXPECT_EQ(centreOf(player), glm::vec3(3.0f, 10.0f, 4.0f));
    EXPECT_EQ(player.health, PlayerFullHealth);
}

TEST(Player, WithoutAControllerStaysInert)
{
    ControllerWorld world;
    Player player(world.manager, glm::vec3(4.0f, 2.5f, 4.0f), 0);
    player.controller = nullptr;
    EXPECT_EQ(player.update(FakeKeys{GLFW_KEY_W, GLFW_KEY_F9, GLFW_KEY_SPACE}, Frame, LookNorth), 0);
    player.refreshPosition();
    player.respawn();
    Camera camera;
    camera.computeView(player);
    EXPECT_EQ(player.position, glm::vec3(4.0f, 2.5f, 4.0f));
    EXPECT_EQ(camera.eyePosition, player.position);
}

TEST(Camera, EyeFollowsTheControllerInTheSameFrame)
{
    ControllerWorld world;
    Player player(world.manager, glm::vec3(0.0f, 10.0f, 0.0f), 0);
    Camera camera;
    player.controller->setPosition(glm::dvec3(7.0, 8.0, 9.0));
    camera.computeView(player);
    // Not the cached position of the last refresh: the controller as it is now.
    EXPECT_EQ(player.position, glm::vec3(0.0f, 10.0f, 0.0f));
    EXPECT_EQ(camera.eyePosition, glm::vec3(7.0f, 8.0f, 9.0f));
}
