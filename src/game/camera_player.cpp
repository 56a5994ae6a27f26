#include "game/camera.h"

#include "game/game_position.h"
#include "game/physics/character_controller.h"
#include "game/player.h"

glm::mat4 Camera::computeView(const Player& player)
{
    if (!player.controller)
        return computeView(player.position);
    return computeView(toGamePosition(player.controller->getPosition()));
}
