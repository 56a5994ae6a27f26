#include "game/skeleton.h"
#include "game/spider.h"

#include <vector>

#include <gtest/gtest.h>

#include "controller_world.h"
#include "physics/game_position.h"

constexpr float Frame = 1.0f / 60.0f;
constexpr float SpiderRadius = 0.5f;
constexpr float SpiderHeight = 0.5f;
const glm::vec3 AlongX(1.0f, 0.0f, 0.0f);

static glm::vec3 centreOf(const Creature& creature)
{
    return toGamePosition(creature.model.controller->getPosition());
}

TEST(Spider, ConstructionNamesAndPlacesTheCapsule)
{
    ControllerWorld world;
    const Spider spider(world.capsuleModel(SpiderRadius, SpiderHeight), {56.135f, 1.5f, -42.508f}, AlongX,
                        40.0f);
    ASSERT_NE(spider.model.controller, nullptr);
    EXPECT_EQ(spider.model.controller->getName(), "Spider");
    EXPECT_EQ(centreOf(spider), glm::vec3(56.135f, 1.5f, -42.508f));
    // Drawn at height 1 whatever the capsule's height.
    EXPECT_FLOAT_EQ(spider.modelMatrix[3][1], SpiderDrawnHeight);
    EXPECT_FLOAT_EQ(spider.modelMatrix[3][0], 56.135f);
}

TEST(Spider, UnobstructedPatrolTurnsAtBothEnds)
{
    struct Case {
        const char* name;
        glm::vec3 axis;
        float startTurn;
        float outHeading;
        float homeHeading;
    };
    const std::vector<Case> cases = {
        {"spiders 1 and 2", {1, 0, 0}, 0.0f, 0.0f, 180.0f},
        {"spiders 3 and 4 turned at start", {0, 0, -1}, 90.0f, 90.0f, 270.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ControllerWorld world;
        const glm::vec3 start(10.0f, 1.5f, -20.0f);
        Spider spider(world.capsuleModel(SpiderRadius, SpiderHeight), start, c.axis, 40.0f);
        spider.turn(c.startTurn);
        std::vector<float> turnProgress;
        bool wasReversed = false;
        // Two full round trips of 80 units at 10 units per second.
        for (int frame = 0; frame < 16 * 60 + 30; ++frame) {
            EXPECT_FALSE(spider.update(Frame));
            if (spider.reversed != wasReversed) {
                turnProgress.push_back(glm::dot(centreOf(spider) - start, c.axis));
                EXPECT_FLOAT_EQ(spider.heading, spider.reversed ? c.homeHeading : c.outHeading);
                wasReversed = spider.reversed;
            }
        }
        ASSERT_EQ(turnProgress.size(), 4u);
        const float oneStep = SpiderSpeed * Frame + 1e-3f;
        for (std::size_t i = 0; i < turnProgress.size(); i += 2) {
            EXPECT_GE(turnProgress[i], 40.0f - 1e-3f);
            EXPECT_LE(turnProgress[i], 40.0f + oneStep);
            EXPECT_LE(turnProgress[i + 1], 1e-3f);
            EXPECT_GE(turnProgress[i + 1], -oneStep);
        }
        EXPECT_FLOAT_EQ(centreOf(spider).y, start.y);
    }
}

TEST(Spider, BlockedSpiderKeepsPushingAndReportsEveryFrame)
{
    ControllerWorld world;
    world.addWallAtX(5.0f, 10.0f);
    Spider spider(world.capsuleModel(SpiderRadius, SpiderHeight), {0.0f, 1.5f, 0.0f}, AlongX, 40.0f);
    int framesTouching = 0;
    for (int frame = 0; frame < 120; ++frame) {
        if (spider.update(Frame))
            ++framesTouching;
        else
            EXPECT_EQ(framesTouching, 0) << "contact lost at frame " << frame;
    }
    EXPECT_GT(framesTouching, 60);
    EXPECT_FALSE(spider.reversed);
    EXPECT_EQ(spider.heading, 0.0f);
    EXPECT_LT(centreOf(spider).x, 5.0f - SpiderRadius);
}

TEST(Spider, FirstContactStopsTheRestOfTheFrame)
{
    ControllerWorld world;
    world.addWallAtX(5.0f, 10.0f);
    std::vector<Spider> spiders;
    spiders.emplace_back(world.capsuleModel(SpiderRadius, SpiderHeight), glm::vec3(4.3f, 1.5f, 0.0f), AlongX,
                         40.0f);
    spiders.emplace_back(world.capsuleModel(SpiderRadius, SpiderHeight), glm::vec3(0.0f, 1.5f, 50.0f),
                         glm::vec3(0, 0, -1), 40.0f);
    EXPECT_TRUE(updateSpiders(spiders, Frame));
    EXPECT_EQ(centreOf(spiders[1]), glm::vec3(0.0f, 1.5f, 50.0f));

    spiders[0].model.controller->setPosition(glm::dvec3(-20.0, 1.5, 0.0));
    EXPECT_FALSE(updateSpiders(spiders, Frame));
    EXPECT_LT(centreOf(spiders[1]).z, 50.0f);
}

TEST(Spider, WithoutAControllerStandsAtItsStart)
{
    Spider spider(Model(), {3.0f, 1.5f, 4.0f}, AlongX, 40.0f);
    spider.turn(90.0f);
    EXPECT_FALSE(spider.update(Frame));
    EXPECT_FLOAT_EQ(spider.modelMatrix[3][0], 3.0f);
    EXPECT_FLOAT_EQ(spider.modelMatrix[3][2], 4.0f);
    EXPECT_EQ(spider.heading, 90.0f);
}

TEST(Skeleton, FallsAtConstantSpeedAndLandsOnTheFloor)
{
    ControllerWorld world;
    world.addFloor(0.0f, 20.0f);
    const float radius = 0.3f;
    const float height = 0.6f;
    Skeleton skeleton(world.capsuleModel(radius, height), {-7.0f, 3.0f, -8.1f});
    EXPECT_TRUE(skeleton.model.controller->getName().empty());

    skeleton.update(Frame);
    EXPECT_FLOAT_EQ(centreOf(skeleton).y, 3.0f);
    EXPECT_TRUE(skeleton.falling);
    skeleton.update(Frame);
    EXPECT_NEAR(centreOf(skeleton).y, 3.0f - Frame * SkeletonFallSpeed, 1e-4f);

    for (int frame = 0; frame < 60; ++frame)
        skeleton.update(Frame);
    const float standing = height / 2.0f + radius + 0.1f;
    EXPECT_NEAR(centreOf(skeleton).y, standing, 0.02f);
    EXPECT_NEAR(skeleton.modelMatrix[3][1], centreOf(skeleton).y - SkeletonDrawDrop, 1e-5f);
    EXPECT_FLOAT_EQ(centreOf(skeleton).x, -7.0f);
}

TEST(Skeleton, WithoutAControllerStaysWhereItStands)
{
    Skeleton skeleton(Model(), {-7.0f, 3.0f, -8.1f});
    skeleton.update(Frame);
    EXPECT_FALSE(skeleton.falling);
    EXPECT_FLOAT_EQ(skeleton.modelMatrix[3][1], 3.0f - SkeletonDrawDrop);
}
