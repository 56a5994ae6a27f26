// Controllers against each other, and teleporting with setPosition.
#include <gtest/gtest.h>

#include "test_worlds.h"

namespace {

constexpr double FloorY = 1.0;
constexpr double RestY = FloorY + PlayerRestHeight;
constexpr float Walk = 0.083f;

class PairTest : public ::testing::TestWithParam<glm::dvec3> {
protected:
    PairTest() { world.addFloor(FloorY, -20, 20, -20, 20); }
    TestWorld world{GetParam()};
};

TEST_P(PairTest, MovingIntoAnotherControllerStopsOneSkinAwayAndNeverPushesIt)
{
    CharacterController* standing = world.addPlayer(3, RestY, 0);
    CharacterController* mover = world.addPlayer(0, RestY, 0);
    const glm::dvec3 standingAt = standing->getPosition();
    repeatMove(*mover, {Walk, 0.0f, 0.0f}, 30);
    const std::vector<CollisionFlags> flags = repeatMove(*mover, {Walk, 0.0f, 0.0f}, 20);
    EXPECT_EQ(countFlag(flags, CollisionSides), 20);
    const double surfaceGap = standing->getPosition().x - mover->getPosition().x - 2.0 * PlayerRadius;
    EXPECT_NEAR(surfaceGap, Skin, PositionTolerance);
    EXPECT_EQ(standing->getPosition(), standingAt);
    EXPECT_EQ(standing->getCollisionFlags(), 0);
}

TEST_P(PairTest, MovingAwayFromTouchingControllerReportsNoSides)
{
    world.addPlayer(3, RestY, 0);
    CharacterController* mover = world.addPlayer(3.0 - 2.0 * PlayerRadius - Skin, RestY, 0);
    const std::vector<CollisionFlags> flags = repeatMove(*mover, {-Walk, 0.0f, 0.0f}, 10);
    EXPECT_EQ(countFlag(flags, CollisionSides), 0);
}

TEST_P(PairTest, OverlappingControllersPassThroughEachOther)
{
    world.addPlayer(0.5, RestY, 0);
    CharacterController* mover = world.addPlayer(0, RestY, 0);
    const std::vector<CollisionFlags> flags = repeatMove(*mover, {Walk, 0.0f, 0.0f}, 30);
    EXPECT_EQ(countFlag(flags, CollisionSides), 0);
    EXPECT_NEAR(mover->getPosition().x - world.origin.x, 30 * Walk, 0.01);
}

TEST_P(PairTest, LandingOnAnotherControllerReportsDown)
{
    world.addPlayer(0, RestY, 0);
    CharacterController* faller = world.addPlayer(0, RestY + 3.0, 0);
    const std::vector<CollisionFlags> flags = repeatMove(*faller, {0.0f, -0.2f, 0.0f}, 20);
    EXPECT_TRUE(flags.back() & CollisionDown);
    const double centreGap = faller->getPosition().y - RestY;
    EXPECT_NEAR(centreGap, PlayerHeight + 2.0 * PlayerRadius + Skin, PositionTolerance);
}

TEST_P(PairTest, SetPositionIsExactAndSeenByOtherSweepsAtOnce)
{
    CharacterController* teleported = world.addPlayer(-10, RestY, -10);
    const glm::dvec3 target = world.at(3.123456789012345, RestY, 0.000000001);
    teleported->setPosition(target);
    EXPECT_EQ(teleported->getPosition(), target);
    EXPECT_EQ(teleported->getFootPosition(),
              target - glm::dvec3(0.0, PlayerHeight / 2.0 + PlayerRadius + Skin, 0.0));

    CharacterController* mover = world.addPlayer(0, RestY, 0);
    const std::vector<CollisionFlags> flags = repeatMove(*mover, {Walk, 0.0f, 0.0f}, 40);
    EXPECT_TRUE(flags.back() & CollisionSides);
    EXPECT_LT(mover->getPosition().x - world.origin.x, 3.123456789012345 - 1.0);
}

INSTANTIATE_TEST_SUITE_P(Origins, PairTest,
                         ::testing::Values(glm::dvec3(0.0), glm::dvec3(250.0, 0.0, -300.0)),
                         [](const ::testing::TestParamInfo<glm::dvec3>& info) {
                             return info.param == glm::dvec3(0.0) ? std::string("NearOrigin")
                                                                  : std::string("FarFromOrigin");
                         });

}  // namespace
