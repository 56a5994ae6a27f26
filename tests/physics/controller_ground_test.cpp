// Controllers against floors: landing, resting, walking, hovering, recovering from
// inside a floor, ledges and falling out of the world. Every case runs near the
// origin and far from it, where float spacing is coarser.
#include <gtest/gtest.h>

#include <cmath>

#include "test_worlds.h"

namespace {

constexpr double FloorY = 1.0;
constexpr float GravityStep = 13.81f / 3600.0f;  // one 60 Hz frame of the player's gravity

class GroundTest : public ::testing::TestWithParam<glm::dvec3> {
protected:
    TestWorld world{GetParam()};
};

TEST_P(GroundTest, FallingOntoFloorReportsDownAndRestsOneSkinAbove)
{
    world.addFloor(FloorY, -10, 10, -10, 10);
    CharacterController* player = world.addPlayer(0, 3.0, 0);
    ASSERT_NE(player, nullptr);
    int moves = 0;
    CollisionFlags flags = 0;
    while (!(flags & CollisionDown) && moves < 100) {
        flags = player->move({0.0f, -0.2f, 0.0f}, MinDistance, FrameTime);
        ++moves;
    }
    EXPECT_EQ(flags, CollisionDown);
    EXPECT_NEAR(world.relativeY(*player), FloorY + PlayerRestHeight, PositionTolerance);
    EXPECT_EQ(player->getCollisionFlags(), flags);
}

TEST_P(GroundTest, RestingAndPushingDownKeepsHeightAndReportsDown)
{
    world.addFloor(FloorY, -10, 10, -10, 10);
    CharacterController* player = world.addPlayer(0, FloorY + PlayerRestHeight, 0);
    for (float push : {0.2f, GravityStep, 0.05f}) {
        SCOPED_TRACE(push);
        EXPECT_EQ(player->move({0.0f, -push, 0.0f}, MinDistance, FrameTime), CollisionDown);
        EXPECT_NEAR(world.relativeY(*player), FloorY + PlayerRestHeight, PositionTolerance);
    }
}

struct TinyMove {
    const char* name;
    glm::vec3 displacement;
    double startAboveRest;  // 0 = resting on the floor
};

// A tiny sideways move still lifts by the step offset and lowers again, so on a
// floor it would find the floor on the way down; it is checked in the air.
TEST_P(GroundTest, ZeroOrTinyDisplacementReportsNothingAndStays)
{
    world.addFloor(FloorY, -10, 10, -10, 10);
    const TinyMove cases[] = {
        {"zero on the floor", {0.0f, 0.0f, 0.0f}, 0.0},
        {"down by minDist on the floor", {0.0f, -0.001f, 0.0f}, 0.0},
        {"up below minDist on the floor", {0.0f, 0.0009f, 0.0f}, 0.0},
        {"zero in the air", {0.0f, 0.0f, 0.0f}, 3.0},
        {"side below minDist in the air", {0.0006f, 0.0f, 0.0005f}, 3.0},
    };
    double x = 0.0;
    for (const TinyMove& move : cases) {
        SCOPED_TRACE(move.name);
        x += 2.0;  // one controller per case, side by side
        CharacterController* player =
            world.addPlayer(x - 8.0, FloorY + PlayerRestHeight + move.startAboveRest, 0);
        const glm::dvec3 before = player->getPosition();
        EXPECT_EQ(player->move(move.displacement, MinDistance, FrameTime), 0);
        EXPECT_NEAR(player->getPosition().x, before.x, 1e-9);
        EXPECT_NEAR(player->getPosition().y, before.y, 1e-9);
        EXPECT_NEAR(player->getPosition().z, before.z, 1e-9);
    }
}

struct FloorCase {
    const char* name;
    int cells;
};

TEST_P(GroundTest, WalkingOnFlatGroundNeverReportsSides)
{
    for (const FloorCase& floor : {FloorCase{"one quad", 1}, FloorCase{"fine grid", 64}}) {
        SCOPED_TRACE(floor.name);
        TestWorld local{GetParam()};
        local.addFloor(FloorY, -20, 40, -20, 20, floor.cells);
        CharacterController* player = local.addPlayer(0, FloorY + PlayerRestHeight, 0);
        const std::vector<CollisionFlags> flags = repeatMove(*player, {0.083f, 0.0f, 0.02f}, 300);
        EXPECT_EQ(countFlag(flags, CollisionSides), 0);
        EXPECT_EQ(countFlag(flags, CollisionDown), 300);
        EXPECT_NEAR(local.relativeY(*player), FloorY + PlayerRestHeight, PositionTolerance);
        EXPECT_NEAR(player->getPosition().x - local.origin.x, 300 * 0.083, 0.01);
    }
}

// The capsule's bottom 0.05 above the floor: inside the skin.
TEST_P(GroundTest, HoveringInsideTheSkinAndMovingSidewaysSettlesWithoutSides)
{
    world.addFloor(FloorY, -10, 10, -10, 10);
    const double halfExtent = PlayerHeight / 2.0 + PlayerRadius;
    CharacterController* player = world.addPlayer(0, FloorY + halfExtent + 0.05, 0);
    const CollisionFlags flags = player->move({0.1f, 0.0f, 0.0f}, MinDistance, FrameTime);
    EXPECT_FALSE(flags & CollisionSides);
    EXPECT_TRUE(flags & CollisionDown);
    EXPECT_NEAR(world.relativeY(*player), FloorY + PlayerRestHeight, PositionTolerance);
}

struct SunkCase {
    const char* name;
    double depth;
};

TEST_P(GroundTest, StartingInsideFloorIsPushedOutWithDown)
{
    world.addFloor(FloorY, -10, 10, -10, 10);
    for (const SunkCase& sunk : {SunkCase{"0.2 deep", 0.2}, SunkCase{"0.6 deep", 0.6}}) {
        SCOPED_TRACE(sunk.name);
        CharacterController* player = world.addPlayer(0, FloorY + PlayerRestHeight - sunk.depth, 0);
        const CollisionFlags flags = player->move({0.0f, -GravityStep, 0.0f}, MinDistance, FrameTime);
        EXPECT_EQ(flags, CollisionDown);
        EXPECT_NEAR(world.relativeY(*player), FloorY + PlayerRestHeight, 0.01);
        player->setPosition(world.at(100, 100, 100));
    }
}

TEST_P(GroundTest, WalkingOffLedgeKeepsHeightAndStopsReportingDown)
{
    world.addFloor(FloorY, -10, 2, -10, 10);
    CharacterController* player = world.addPlayer(0, FloorY + PlayerRestHeight, 0);
    const std::vector<CollisionFlags> flags = repeatMove(*player, {0.1f, 0.0f, 0.0f}, 60);
    EXPECT_TRUE(flags.front() & CollisionDown);
    EXPECT_EQ(flags.back(), 0);
    EXPECT_NEAR(world.relativeY(*player), FloorY + PlayerRestHeight, PositionTolerance);
    EXPECT_NEAR(player->getPosition().x - world.origin.x, 6.0, 0.01);
}

TEST_P(GroundTest, UpwardMoveNeverReportsDown)
{
    world.addFloor(FloorY, -10, 10, -10, 10);
    CharacterController* player = world.addPlayer(0, FloorY + PlayerRestHeight, 0);
    for (const glm::vec3& d : {glm::vec3(0, 0.1f, 0), glm::vec3(0.1f, 0.05f, 0)}) {
        EXPECT_EQ(player->move(d, MinDistance, FrameTime), 0);
    }
    EXPECT_GT(world.relativeY(*player), FloorY + PlayerRestHeight + 0.1);
}

TEST_P(GroundTest, FloorFacingDownIsFallenThrough)
{
    world.addQuad({-5, FloorY, -5}, {5, FloorY, -5}, {5, FloorY, 5}, {-5, FloorY, 5}, glm::dvec3(0, -1, 0));
    CharacterController* player = world.addPlayer(0, 3.0, 0);
    const std::vector<CollisionFlags> flags = repeatMove(*player, {0.0f, -0.2f, 0.0f}, 20);
    EXPECT_EQ(countFlag(flags, CollisionDown), 0);
    EXPECT_LT(world.relativeY(*player), 0.0);
}

INSTANTIATE_TEST_SUITE_P(Origins, GroundTest,
                         ::testing::Values(glm::dvec3(0.0), glm::dvec3(250.0, 0.0, -300.0)),
                         [](const ::testing::TestParamInfo<glm::dvec3>& info) {
                             return info.param == glm::dvec3(0.0) ? std::string("NearOrigin")
                                                                  : std::string("FarFromOrigin");
                         });

}  // namespace
