#include "game/creature.h"

#include <utility>

#include "physics/character_controller.h"
#include "physics/game_position.h"

void Creature::turn(float degrees)
{
    heading = wrapHeading(heading + degrees);
}

Creature::Creature(Model creatureModel, const glm::vec3& start)
    : model(std::move(creatureModel)), startPosition(start)
{
    if (model.controller)
        model.controller->setPosition(toControllerPosition(start));
}

glm::vec3 Creature::currentPosition() const
{
    if (!model.controller)
        return startPosition;
    return toGamePosition(model.controller->getPosition());
}
