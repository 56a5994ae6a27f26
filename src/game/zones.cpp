#include "game/zones.h"

#include "framework/console.h"

bool isInsideZone(const Zone& zone, const glm::vec3& position)
{
    return position.x >= zone.minX && position.x <= zone.maxX && position.z >= zone.minZ &&
           position.z <= zone.maxZ;
}

void applyZoneRules(ZoneRuleTarget& target)
{
    if (isInsideZone(GoalZone, target.position())) {
        printLine("You won!");
        target.teleport(WinTeleportPosition);
    }
    if (target.position().y <= FloorHeight)
        target.respawn();
    for (const Zone& hazard : HazardZones) {
        if (isInsideZone(hazard, target.position()))
            target.respawn();
    }
}
