#include "game/rules.h"

#include "framework/console.h"
#include "game/damage.h"
#include "game/player.h"
#include "game/zones.h"
#include "physics/character_controller.h"
#include "physics/game_position.h"

// The zone rules seen through the player's controller, read fresh on every call.
class PlayerZoneTarget : public ZoneRuleTarget {
public:
    explicit PlayerZoneTarget(Player& target) : player(target) {}

    glm::vec3 position() const override { return toGamePosition(player.controller->getPosition()); }
    // Only a win teleports.
    void teleport(const glm::vec3& destination) override
    {
        player.events.won = true;
        player.controller->setPosition(toControllerPosition(destination));
    }
    void respawn() override { player.respawn(); }

private:
    Player& player;
};

void applyRules(Player& player)
{
    if (!player.controller)
        return;
    PlayerZoneTarget target(player);
    applyZoneRules(target);
}

void applySpiderDamage(Player& player, std::int64_t nowNanoseconds)
{
    if (!isDamageCooldownOver(player.lastDamageTime, player.damageCooldown, nowNanoseconds))
        return;
    player.health -= SpiderHitDamage;
    printLine(healthLine(player.health));
    ++player.events.bites;
    if (player.health <= 0.0f) {
        printLine("Game Over!");
        player.events.gameOver = true;
        player.respawn();
    }
    player.lastDamageTime = nowNanoseconds;
}
