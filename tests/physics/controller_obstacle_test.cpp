// Controllers against obstacles: steps, walls, ramps, corners and ceilings. Each
// case runs near the origin and far from it.
#include <gtest/gtest.h>

#include <cmath>

#include "test_worlds.h"

namespace {

constexpr double FloorY = 1.0;
constexpr double RestY = FloorY + PlayerRestHeight;
constexpr float Walk = 0.083f;         // 5 units/s at 60 Hz
constexpr double SideClearance = 0.6;  // radius + skin from a wall to the centre

class ObstacleTest : public ::testing::TestWithParam<glm::dvec3> {
protected:
    ObstacleTest() { world.addFloor(FloorY, -20, 20, -20, 20); }
    TestWorld world{GetParam()};
};

struct StepCase {
    const char* name;
    double height;
};

TEST_P(ObstacleTest, StepsUpToStepOffsetAreClimbedWithoutSides)
{
    for (const StepCase& step : {StepCase{"0.3 step", 0.3}, StepCase{"0.5 step", 0.5}}) {
        SCOPED_TRACE(step.name);
        TestWorld local{GetParam()};
        local.addFloor(FloorY, -20, 20, -20, 20);
        local.addBox({2, FloorY, -5}, {10, FloorY + step.height, 5});
        CharacterController* player = local.addPlayer(0, RestY, 0);
        const std::vector<CollisionFlags> flags = repeatMove(*player, {Walk, 0.0f, 0.0f}, 60);
        EXPECT_EQ(countFlag(flags, CollisionSides), 0);
        EXPECT_NEAR(local.relativeY(*player), RestY + step.height, PositionTolerance);
        EXPECT_GT(player->getPosition().x - local.origin.x, 4.0);
    }
}

struct WallCase {
    const char* name;
    double height;
    bool isHeldAtRestHeight;  // a 1.2 wall is scraped up its edge before it holds
};

TEST_P(ObstacleTest, HighWallsBlockWithSidesOnEveryPush)
{
    const WallCase cases[] = {
        {"1.2 wall", 1.2, false},
        {"1.5 wall", 1.5, true},
        {"3.0 wall", 3.0, true},
    };
    for (const WallCase& wall : cases) {
        SCOPED_TRACE(wall.name);
        TestWorld local{GetParam()};
        local.addFloor(FloorY, -20, 20, -20, 20);
        local.addBox({2, FloorY, -5}, {3, FloorY + wall.height, 5});
        CharacterController* player = local.addPlayer(0, RestY, 0);
        repeatMove(*player, {Walk, 0.0f, 0.0f}, 30);
        const std::vector<CollisionFlags> flags = repeatMove(*player, {Walk, 0.0f, 0.0f}, 30);
        EXPECT_EQ(countFlag(flags, CollisionSides), 30);
        const double x = player->getPosition().x - local.origin.x;
        if (wall.isHeldAtRestHeight) {
            EXPECT_EQ(countFlag(flags, CollisionDown), 30);
            EXPECT_NEAR(x, 2.0 - SideClearance, PositionTolerance);
            EXPECT_NEAR(local.relativeY(*player), RestY, PositionTolerance);
        } else {
            EXPECT_LT(x, 2.0 - PlayerRadius);
            EXPECT_LT(local.relativeY(*player), FloorY + wall.height);
        }
    }
}

// The skin is kept along the direction of motion, so a 45° push rests
// skin × cos 45° from the wall and slides on at the tangential part of the push.
TEST_P(ObstacleTest, DiagonalPushSlidesAlongWallAtTangentialSpeed)
{
    world.addBox({2, FloorY, -15}, {3, FloorY + 1.5, 15});
    CharacterController* player = world.addPlayer(2.0 - SideClearance, RestY, 0);
    const std::vector<CollisionFlags> flags = repeatMove(*player, {Walk, 0.0f, -Walk}, 60);
    EXPECT_EQ(countFlag(flags, CollisionSides), 60);
    const double z0 = player->getPosition().z;
    player->move({Walk, 0.0f, -Walk}, MinDistance, FrameTime);
    EXPECT_NEAR(player->getPosition().z - z0, -Walk, 1e-4);
    const double gap = Skin * std::sqrt(0.5);
    EXPECT_NEAR(player->getPosition().x - world.origin.x, 2.0 - PlayerRadius - gap, PositionTolerance);
    EXPECT_NEAR(world.relativeY(*player), RestY, PositionTolerance);
}

TEST_P(ObstacleTest, BoxLedgeOfOneUnitIsClimbedButThinQuadWallIsNot)
{
    world.addBox({2, FloorY, -5}, {10, FloorY + 1.0, 5});
    CharacterController* climber = world.addPlayer(0, RestY, 0);
    repeatMove(*climber, {Walk, 0.0f, 0.0f}, 60);
    EXPECT_NEAR(world.relativeY(*climber), RestY + 1.0, PositionTolerance);

    world.addQuad({2, FloorY, 8}, {2, FloorY + 1.0, 8}, {2, FloorY + 1.0, 18}, {2, FloorY, 18},
                  glm::dvec3(-1, 0, 0));
    CharacterController* blocked = world.addPlayer(0, RestY, 13);
    const std::vector<CollisionFlags> flags = repeatMove(*blocked, {Walk, 0.0f, 0.0f}, 120);
    EXPECT_LT(blocked->getPosition().x - world.origin.x, 2.0 - PlayerRadius);
    EXPECT_TRUE(flags.back() & CollisionSides);
}

struct RampCase {
    const char* name;
    double degrees;
    bool isWalkable;
};

TEST_P(ObstacleTest, RampsUpToSlopeLimitAreWalkable)
{
    const RampCase cases[] = {
        {"30 degrees", 30.0, true},
        {"40 degrees", 40.0, true},
        {"50 degrees", 50.0, false},
        {"60 degrees", 60.0, false},
    };
    for (const RampCase& ramp : cases) {
        SCOPED_TRACE(ramp.name);
        TestWorld local{GetParam()};
        local.addFloor(FloorY, -20, 20, -20, 20);
        local.addRamp(2.0, FloorY, ramp.degrees, 4.0, -5, 5);
        CharacterController* player = local.addPlayer(0, RestY, 0);
        const std::vector<CollisionFlags> flags = repeatMove(*player, {Walk, 0.0f, 0.0f}, 60);
        if (ramp.isWalkable) {
            EXPECT_GT(local.relativeY(*player), RestY + 1.0);
        } else {
            EXPECT_NEAR(local.relativeY(*player), RestY, PositionTolerance);
            EXPECT_LT(player->getPosition().x - local.origin.x, 2.0);
            EXPECT_TRUE(flags.back() & CollisionSides);
        }
    }
}

TEST_P(ObstacleTest, CornerPushedDiagonallyRestsSkinTimesCos45FromBothWalls)
{
    world.addBox({2, FloorY, -10}, {3, FloorY + 3.0, 10});   // east wall
    world.addBox({-10, FloorY, -3}, {3, FloorY + 3.0, -2});  // north wall
    CharacterController* player = world.addPlayer(0, RestY, 0);
    const std::vector<CollisionFlags> flags = repeatMove(*player, {Walk, 0.0f, -Walk}, 120);
    const double gap = Skin * std::sqrt(0.5);  // skin × cos 45°
    EXPECT_NEAR(player->getPosition().x - world.origin.x, 2.0 - PlayerRadius - gap, 0.01);
    EXPECT_NEAR(player->getPosition().z - world.origin.z, -2.0 + PlayerRadius + gap, 0.01);
    EXPECT_TRUE(flags.back() & CollisionSides);
    EXPECT_TRUE(flags.back() & CollisionDown);
}

TEST_P(ObstacleTest, JumpIntoCeilingReportsUpAndStopsOneSkinBelow)
{
    const double ceilingY = RestY + 1.5;
    world.addQuad({-5, ceilingY, -5}, {5, ceilingY, -5}, {5, ceilingY, 5}, {-5, ceilingY, 5},
                  glm::dvec3(0, -1, 0));
    CharacterController* player = world.addPlayer(0, RestY, 0);
    std::vector<CollisionFlags> flags = repeatMove(*player, {0.0f, 0.1f, 0.0f}, 20);
    EXPECT_EQ(countFlag(flags, CollisionDown), 0);
    EXPECT_TRUE(flags.back() & CollisionUp);
    EXPECT_NEAR(world.relativeY(*player), ceilingY - PlayerRestHeight, PositionTolerance);
}

INSTANTIATE_TEST_SUITE_P(Origins, ObstacleTest,
                         ::testing::Values(glm::dvec3(0.0), glm::dvec3(250.0, 0.0, -300.0)),
                         [](const ::testing::TestParamInfo<glm::dvec3>& info) {
                             return info.param == glm::dvec3(0.0) ? std::string("NearOrigin")
                                                                  : std::string("FarFromOrigin");
                         });

}  // namespace
