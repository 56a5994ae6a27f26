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
        {0.0f, 0.0f},     {90.0f, 90.0f},    {359.5f, 359.5f}, {360.0f, 0.0f},
        {450.0f, 90.0f},  {-90.0f, 270.0f},  {-0.5f, 359.5f},  {720.0f, 360.0f},
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

// An unobstructed patrol over a frame sequence, using the same steps as Spider::update.
struct PatrolRun {
    std::vector<float> turnProgress;  // progress at each turn
    std::vector<float> headings;      // heading after each turn
};

static PatrolRun runPatrol(const glm::vec3& axis, float startHeading, float dt, int frames)
{
    const glm::vec3 start(56.135f, 1.5f, -42.508f);
    glm::vec3 position = start;
    bool reversed = false;
    float heading = startHeading;
    PatrolRun run;
    for (int frame = 0; frame < frames; ++frame) {
        position += patrolStep(axis, SpiderSpeed, dt, reversed);
        const float progress = patrolProgress(position, start, axis);
        if (shouldTurnPatrol(progress, 40.0f, reversed)) {
            reversed = !reversed;
            heading = wrapHeading(heading + PatrolTurnDegrees);
            run.turnProgress.push_back(progress);
            run.headings.push_back(heading);
        }
    }
    return run;
}

TEST(Patrol, TurnsAtTheFarEndAndAtTheStart)
{
    struct Case {
        const char* name;
        glm::vec3 axis;
        float startHeading;
        std::vector<float> headings;
    };
    const std::vector<Case> cases = {
        {"along +x", {1, 0, 0}, 0.0f, {180, 0, 180, 0}},
        {"along -z turned at start", {0, 0, -1}, 90.0f, {270, 90, 270, 90}},
    };
    const float dt = 0.03f;  // 0.3 units per frame: the ends are overshot a little
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // 4 legs of 40 units at 10 units/s = 16 s.
        const PatrolRun run = runPatrol(c.axis, c.startHeading, dt, 540);
        ASSERT_EQ(run.headings.size(), c.headings.size());
        for (std::size_t i = 0; i < c.headings.size(); ++i) {
            EXPECT_FLOAT_EQ(run.headings[i], c.headings[i]);
            const bool outbound = i % 2 == 0;
            if (outbound) {
                EXPECT_GE(run.turnProgress[i], 40.0f);
                EXPECT_LE(run.turnProgress[i], 40.0f + SpiderSpeed * dt + 1e-3f);
            } else {
                EXPECT_LE(run.turnProgress[i], 0.0f);
                EXPECT_GE(run.turnProgress[i], -SpiderSpeed * dt - 1e-3f);
            }
        }
    }
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
    EXPECT_FLOAT_EQ(patrolProgress(glm::vec3(3, 50, -7), glm::vec3(3, 1, -2), glm::vec3(0, 0, -1)),
                    5.0f);
}
