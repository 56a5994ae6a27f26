// The fixed regions of the level that decide winning and dying: the goal zone,
// the ten hazard zones and the floor height, and the order they are checked in.
//
// Zones are rectangles in the XZ plane in world units; every bound is inclusive
// and height is ignored, so jumping over a zone still counts as entering it.
#pragma once

#include <array>

#include <glm/vec3.hpp>

// An axis-aligned rectangle on the ground plane (world units, bounds inclusive).
struct Zone {
    float minX = 0.0f;
    float maxX = 0.0f;
    float minZ = 0.0f;
    float maxZ = 0.0f;
};

constexpr Zone GoalZone{160.5f, 183.2f, -254.5f, -250.5f};

// Where a win sends the player: back beside the start area.
constexpr glm::vec3 WinTeleportPosition{5.0f, 2.5f, 5.0f};

// At or below this height the player has fallen out of the level.
constexpr float FloorHeight = 0.0f;

constexpr std::size_t HazardZoneCount = 10;
// The deadly zones, in the order they are checked.
constexpr std::array<Zone, HazardZoneCount> HazardZones{{
    {-48.5f, -20.5f, -44.5f, -40.5f},
    {0.5f, 4.4f, -93.4f, -72.1f},
    {105.5f, 109.4f, -93.4f, -72.1f},
    {105.5f, 109.4f, -13.1f, 8.4f},
    {210.5f, 214.4f, -25.9f, 8.4f},
    {235.6f, 263.4f, -44.4f, -40.5f},
    {161.6f, 183.2f, -149.5f, -145.5f},
    {235.6f, 263.4f, -149.4f, -145.5f},
    {241.9f, 263.4f, -254.4f, -250.5f},
    {210.5f, 214.4f, -303.4f, -283.3f},
}};

// True when x and z of `position` lie within `zone`, bounds included; y is ignored.
bool isInsideZone(const Zone& zone, const glm::vec3& position);

// What the zone rules act on. The position is read again before every test so
// that a teleport made by one test is seen by the next.
class ZoneRuleTarget {
public:
    virtual ~ZoneRuleTarget() = default;
    virtual glm::vec3 position() const = 0;
    virtual void teleport(const glm::vec3& position) = 0;
    virtual void respawn() = 0;
};

// Goal ("You won!" and the win teleport), then the floor, then each hazard
// zone in order; the last two respawn silently.
void applyZoneRules(ZoneRuleTarget& target);
