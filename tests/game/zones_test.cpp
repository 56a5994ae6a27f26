#include "game/zones.h"

#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

// Every corner and edge midpoint of a zone is inside; one step outside each
// edge is not; height never matters.
TEST(Zones, EveryZoneIsInclusiveAndHeightBlind)
{
    std::vector<Zone> zones(HazardZones.begin(), HazardZones.end());
    zones.push_back(GoalZone);
    const float heights[] = {-50.0f, 0.0f, 2.5f, 1000.0f};
    for (std::size_t i = 0; i < zones.size(); ++i) {
        SCOPED_TRACE("zone " + std::to_string(i + 1));
        const Zone& z = zones[i];
        const float midX = (z.minX + z.maxX) / 2.0f;
        const float midZ = (z.minZ + z.maxZ) / 2.0f;
        for (float y : heights) {
            EXPECT_TRUE(isInsideZone(z, {z.minX, y, z.minZ}));
            EXPECT_TRUE(isInsideZone(z, {z.maxX, y, z.maxZ}));
            EXPECT_TRUE(isInsideZone(z, {z.minX, y, z.maxZ}));
            EXPECT_TRUE(isInsideZone(z, {z.maxX, y, z.minZ}));
            EXPECT_TRUE(isInsideZone(z, {midX, y, midZ}));
            EXPECT_FALSE(isInsideZone(z, {std::nextafter(z.minX, -1e9f), y, midZ}));
            EXPECT_FALSE(isInsideZone(z, {std::nextafter(z.maxX, 1e9f), y, midZ}));
            EXPECT_FALSE(isInsideZone(z, {midX, y, std::nextafter(z.minZ, -1e9f)}));
            EXPECT_FALSE(isInsideZone(z, {midX, y, std::nextafter(z.maxZ, 1e9f)}));
        }
    }
}

// Records what the rules did; respawn and teleport move the recorded position.
class RecordingTarget : public ZoneRuleTarget {
public:
    glm::vec3 where{0.0f};
    glm::vec3 checkpoint{4.0f, 2.5f, 4.0f};
    std::vector<std::string> events;
    int reads = 0;

    glm::vec3 position() const override
    {
        ++const_cast<RecordingTarget*>(this)->reads;
        return where;
    }
    void teleport(const glm::vec3& destination) override
    {
        events.push_back("teleport");
        where = destination;
    }
    void respawn() override
    {
        events.push_back("respawn");
        where = checkpoint;
    }
};

struct RuleCase {
    const char* name;
    glm::vec3 start;
    glm::vec3 checkpoint;
    std::vector<std::string> events;
    std::string output;
};

TEST(ZoneRules, ActInOrderAndSeeEachOthersTeleports)
{
    const std::vector<RuleCase> cases = {
        {"safe ground", {4, 2.5f, 4}, {4, 2.5f, 4}, {}, ""},
        {"goal wins and teleports", {170, 2, -252}, {4, 2.5f, 4}, {"teleport"}, "You won!\n"},
        {"goal high above still wins", {160.5f, 90, -250.5f}, {4, 2.5f, 4}, {"teleport"}, "You won!\n"},
        {"floor at exactly 0", {4, 0, 4}, {4, 2.5f, 4}, {"respawn"}, ""},
        {"hazard 1 jumped over", {-30, 6, -42}, {4, 2.5f, 4}, {"respawn"}, ""},
        {"hazard 10 corner", {214.4f, 2, -283.3f}, {4, 2.5f, 4}, {"respawn"}, ""},
        // The hazard test reads the respawned position, so hazard 2 no longer matches.
        {"below floor inside hazard 2 respawns once", {2, -1, -80}, {4, 2.5f, 4}, {"respawn"}, ""},
        // The checkpoint itself lies in hazard 3: the next zone test sees it at once.
        {"respawn into a later hazard", {-30, 2, -42}, {107, 2, -80}, {"respawn", "respawn"}, ""},
        // A checkpoint under the floor: floor respawn, then no zone matches.
        {"checkpoint below the floor", {4, -3, 4}, {4, -1, 4}, {"respawn"}, ""},
    };
    for (const RuleCase& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingTarget target;
        target.where = c.start;
        target.checkpoint = c.checkpoint;
        testing::internal::CaptureStdout();
        applyZoneRules(target);
        EXPECT_EQ(testing::internal::GetCapturedStdout(), c.output);
        EXPECT_EQ(target.events, c.events);
        EXPECT_EQ(target.reads, 2 + static_cast<int>(HazardZoneCount));
    }
}

TEST(ZoneRules, WinTeleportLandsOutsideEveryZone)
{
    RecordingTarget target;
    target.where = {183.2f, 5, -254.5f};
    testing::internal::CaptureStdout();
    applyZoneRules(target);
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(target.where, WinTeleportPosition);
    EXPECT_EQ(target.events, std::vector<std::string>{"teleport"});
}
