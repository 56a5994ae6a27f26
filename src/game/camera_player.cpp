#include "game/camera.h"

#include "game/player.h"
#include "physics/character_controller.h"
#include "physics/game_position.h"

glm::mat4 Camera::computeView(const Player& player)
{
    if (!player.controller)
        return computeView(player.position);
    return computeView(toGamePosition(player.controller->getPosition()));
}
