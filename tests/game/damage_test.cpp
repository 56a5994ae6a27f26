#include "game/damage.h"

#include <vector>

#include <gtest/gtest.h>

constexpr std::int64_t Millisecond = 1'000'000;

TEST(DamageCooldown, BoundariesAndGrace)
{
    struct Case {
        const char* name;
        std::int64_t lastDamageTime;
        std::int64_t now;
        bool expected;
    };
    const std::int64_t spawn = 123 * 1000 * Millisecond;
    const std::int64_t grace = spawn + SpawnGraceNanoseconds;
    const std::vector<Case> cases = {
        {"0.1 s after a hit", 0, 100 * Millisecond, false},
        {"0.3 s after a hit", 0, 300 * Millisecond, true},
        {"exactly the cool-down", 0, 200 * Millisecond, true},
        {"just before the cool-down", 0, 199 * Millisecond, false},
        {"at spawn", grace, spawn, false},
        {"5.1 s after spawn", grace, spawn + 5100 * Millisecond, false},
        {"5.2 s after spawn", grace, spawn + 5200 * Millisecond, true},
        {"long after", 0, 3600 * 1000 * Millisecond, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(isDamageCooldownOver(c.lastDamageTime, SpiderDamageCooldown, c.now), c.expected) << c.name;
}

TEST(DamageCooldown, SecondsSinceIsSignedSeconds)
{
    EXPECT_FLOAT_EQ(secondsSince(5'000'000'000, 0), -5.0f);
    EXPECT_FLOAT_EQ(secondsSince(0, 250 * Millisecond), 0.25f);
}

TEST(HealthLine, DefaultFloatFormat)
{
    EXPECT_EQ(healthLine(2.0f), "Health: 2");
    EXPECT_EQ(healthLine(0.0f), "Health: 0");
    EXPECT_EQ(healthLine(-1.0f), "Health: -1");
    EXPECT_EQ(healthLine(2.5f), "Health: 2.5");
}
