#include "game/rules.h"
#include "game/spider.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "controller_world.h"
#include "game/player.h"
#include "game/zones.h"
#include "physics/game_position.h"

constexpr std::int64_t Millisecond = 1'000'000;

static glm::vec3 centreOf(const Player& player)
{
    return toGamePosition(player.controller->getPosition());
}

static glm::vec3 centreOf(const Creature& creature)
{
    return toGamePosition(creature.model.controller->getPosition());
}

TEST(SpiderDamage, CooldownGraceGameOverAndRespawn)
{
    struct Contact {
        std::int64_t atMilliseconds;
        std::string output;
        float health;
    };
    const std::vector<Contact> contacts = {
        {100, "", 3.0f},                          // grace period
        {5100, "", 3.0f},                         // still within 5 s + 0.2 s
        {5200, "Health: 2\n", 2.0f},              // grace over exactly
        {5300, "", 2.0f},                         // 0.1 s later: cool-down
        {5500, "Health: 1\n", 1.0f},              // 0.3 s after the last hit
        {5800, "Health: 0\nGame Over!\n", 3.0f},  // death respawns with full health
        {5900, "", 3.0f},                         // the fatal hit restarted the cool-down
    };
    ControllerWorld world;
    const std::int64_t spawn = 42 * Millisecond;
    Player player(world.manager, glm::vec3(4.0f, 2.5f, 4.0f), spawn);
    player.checkpoint = glm::vec3(1.0f, 2.0f, 3.0f);
    for (const Contact& contact : contacts) {
        SCOPED_TRACE(contact.atMilliseconds);
        testing::internal::CaptureStdout();
        applySpiderDamage(player, spawn + contact.atMilliseconds * Millisecond);
        EXPECT_EQ(testing::internal::GetCapturedStdout(), contact.output);
        EXPECT_EQ(player.health, contact.health);
        // The sound's events match the lines: a bite per "Health: ", then game over and respawn.
        const bool died = contact.output.find("Game Over!") != std::string::npos;
        EXPECT_EQ(player.events.bites, contact.output.empty() ? 0 : 1);
        EXPECT_EQ(player.events.gameOver, died);
        EXPECT_EQ(player.events.respawned, died);
        player.events = PlayerEvents{};
    }
    EXPECT_EQ(centreOf(player), glm::vec3(1.0f, 2.0f, 3.0f));
}

TEST(Rules, GoalWinsKeepsHealthAndCheckpoint)
{
    ControllerWorld world;
    Player player(world.manager, glm::vec3(4.0f, 2.5f, 4.0f), 0);
    player.health = 1.0f;
    player.controller->setPosition(glm::dvec3(170.0, 30.0, -252.0));
    testing::internal::CaptureStdout();
    applyRules(player);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "You won!\n");
    EXPECT_TRUE(player.events.won);
    EXPECT_FALSE(player.events.respawned);
    EXPECT_EQ(centreOf(player), WinTeleportPosition);
    EXPECT_EQ(player.health, 1.0f);
    EXPECT_EQ(player.checkpoint, glm::vec3(4.0f, 2.5f, 4.0f));
}

TEST(Rules, HazardAndFloorRespawnSilently)
{
    struct Case {
        const char* name;
        glm::dvec3 where;
        bool respawns;
    };
    const std::vector<Case> cases = {
        {"jumping over hazard 1", {-30.0, 8.0, -42.0}, true},
        {"on hazard 6 edge", {235.6, 2.0, -40.5}, true},
        {"just off hazard 6", {235.5, 2.0, -40.5}, false},
        {"fallen below the floor", {50.0, -0.5, 50.0}, true},
        {"safe", {50.0, 0.5, 50.0}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ControllerWorld world;
        Player player(world.manager, glm::vec3(4.0f, 2.5f, 4.0f), 0);
        player.health = 2.0f;
        player.controller->setPosition(c.where);
        testing::internal::CaptureStdout();
        applyRules(player);
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
        EXPECT_EQ(centreOf(player) == player.checkpoint, c.respawns);
        EXPECT_EQ(player.health, c.respawns ? PlayerFullHealth : 2.0f);
        EXPECT_EQ(player.events.respawned, c.respawns);
        EXPECT_FALSE(player.events.won);
    }
}

// One frame loop's worth of the spider path: a spider walking into the player
// reports the contact, and the damage follows once the grace period is over.
TEST(SpiderDamage, SpiderWalkingIntoThePlayerHurts)
{
    ControllerWorld world;
    Player player(world.manager, glm::vec3(3.0f, 1.5f, 0.0f), 0);
    std::vector<Spider> spiders;
    spiders.emplace_back(world.capsuleModel(0.5f, 0.5f), glm::vec3(0.0f, 1.5f, 0.0f),
                         glm::vec3(1.0f, 0.0f, 0.0f), 40.0f);
    const float frame = 1.0f / 60.0f;
    const std::int64_t frameNanoseconds = 16'666'667;
    std::int64_t now = 5'000'000'000;
    std::string output;
    for (int i = 0; i < 30; ++i, now += frameNanoseconds) {
        testing::internal::CaptureStdout();
        if (updateSpiders(spiders, frame))
            applySpiderDamage(player, now);
        output += testing::internal::GetCapturedStdout();
    }
    // Contact every frame from about 0.18 s on; hits at 5.2 s and one cool-down later.
    EXPECT_EQ(output, "Health: 2\nHealth: 1\n");
    EXPECT_LT(centreOf(spiders[0]).x, 2.0f);
}
