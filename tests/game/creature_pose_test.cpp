#include "game/creature_pose.h"
#include "game/patrol.h"

#include <vector>

#include <gtest/gtest.h>

TEST(WrapHeading, WrapsOnce)
{
    struct Case {
        float degrees;
        float expected;
    };
    const std::vector<Case> cases = {
        {0.0f, 0.0f},    {90.0f, 90.0f},   {359.5f, 359.5f}, {360.0f, 0.0f},
        {450.0f, 90.0f}, {-90.0f, 270.0f}, {-0.5f, 359.5f},  {720.0f, 360.0f},
    };
    for (const Case& c : cases)
        EXPECT_FLOAT_EQ(wrapHeading(c.degrees), c.expected) << c.degrees;
}

TEST(CreatureMatrix, PlacesThenTurns)
{
    const glm::mat4 m = creatureMatrix(glm::vec3(5.0f, 1.0f, -2.0f), 90.0f);
    const glm::vec4 origin = m * glm::vec4(0, 0, 0, 1);
    EXPECT_NEAR(origin.x, 5.0f, 1e-5f);
    EXPECT_NEAR(origin.y, 1.0f, 1e-5f);
    EXPECT_NEAR(origin.z, -2.0f, 1e-5f);
    // A quarter turn about +y takes the model's +x to world -z.
    const glm::vec4 front = m * glm::vec4(1, 0, 0, 0);
    EXPECT_NEAR(front.x, 0.0f, 1e-5f);
    EXPECT_NEAR(front.z, -1.0f, 1e-5f);
}

TEST(Patrol, TurnDecisionIncludesBothEnds)
{
    EXPECT_TRUE(shouldTurnPatrol(40.0f, 40.0f, false));
    EXPECT_FALSE(shouldTurnPatrol(39.99f, 40.0f, false));
    EXPECT_FALSE(shouldTurnPatrol(-5.0f, 40.0f, false));
    EXPECT_TRUE(shouldTurnPatrol(0.0f, 40.0f, true));
    EXPECT_TRUE(shouldTurnPatrol(-0.1f, 40.0f, true));
    EXPECT_FALSE(shouldTurnPatrol(45.0f, 40.0f, true));
}

TEST(Patrol, StepFollowsDirectionAndIgnoresHeight)
{
    const glm::vec3 out = patrolStep(glm::vec3(0, 0, -1), SpiderSpeed, 0.1f, false);
    const glm::vec3 back = patrolStep(glm::vec3(0, 0, -1), SpiderSpeed, 0.1f, true);
    EXPECT_FLOAT_EQ(out.z, -1.0f);
    EXPECT_FLOAT_EQ(back.z, 1.0f);
    EXPECT_FLOAT_EQ(patrolProgress(glm::vec3(3, 50, -7), glm::vec3(3, 1, -2), glm::vec3(0, 0, -1)), 5.0f);
}
