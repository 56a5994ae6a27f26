#include "game/player.h"

#include "framework/console.h"
#include "game/key_input.h"
#include "physics/character_controller.h"
#include "physics/game_position.h"

// The capsule as the game has always built it; everything else at the
// controller layer's defaults.
static CapsuleControllerDesc playerControllerDesc(const glm::vec3& start)
{
    CapsuleControllerDesc desc;
    desc.position = toControllerPosition(start);
    desc.radius = PlayerRadius;
    desc.height = PlayerHeight;
    desc.contactOffset = PlayerContactOffset;
    desc.stepOffset = PlayerStepOffset;
    desc.slopeLimit = PlayerSlopeLimit;
    return desc;
}

Player::Player(ControllerManager& controllerManager, const glm::vec3& start, std::int64_t nowNanoseconds)
    : lastDamageTime(nowNanoseconds), position(start), startPosition(start), checkpoint(start)
{
    controller = controllerManager.createController(playerControllerDesc(start));
    if (controller) {
        controller->setPosition(toControllerPosition(start));
        controller->setName(PlayerName);
        refreshPosition();
    }
    // The grace period: a spider touching the player at spawn costs nothing.
    lastDamageTime = nowNanoseconds + SpawnGraceNanoseconds;
}

CollisionFlags Player::update(const KeyInput& keys, float deltaTime, const glm::vec3& forward)
{
    if (!controller)
        return 0;
    const PlayerKeys pressed = readPlayerKeys(keys);
    moveSpeed = pressed.sprint ? PlayerSprintSpeed : PlayerWalkSpeed;
    glm::vec3 displacement = keyDisplacement(pressed, forward, deltaTime, moveSpeed);

    // F9 teleports before the move, so this frame's step starts at the start position.
    handleFunctionKeys(pressed);
    VerticalMotion motion{verticalVelocity, airborne};
    if (pressed.jump && !motion.airborne)
        events.jumped = true;
    displacement.y += stepVerticalMotion(motion, pressed.jump, deltaTime, jumpSpeed, gravity);

    const CollisionFlags flags = controller->move(displacement, PlayerMinMoveDistance, deltaTime);
    const bool touchedGround = (flags & CollisionDown) != 0;
    if (touchedGround && motion.airborne) {
        events.landed = true;
        events.landingSpeed = -motion.verticalVelocity;
    }
    settleVerticalMotion(motion, touchedGround);
    verticalVelocity = motion.verticalVelocity;
    airborne = motion.airborne;
    return flags;
}

void Player::handleFunctionKeys(const PlayerKeys& pressed)
{
    if (pressed.restart) {
        printLine("Restart");
        events.restarted = true;
        controller->setPosition(toControllerPosition(startPosition));
    }
    if (pressed.printPosition)
        printLine(playerPositionLine(position));
    // The checkpoint is the position refreshed last frame, not this frame's result.
    if (pressed.quickSave) {
        printLine("Quick Save");
        events.quickSaved = true;
        checkpoint = position;
    }
}

void Player::refreshPosition()
{
    if (controller)
        position = toGamePosition(controller->getPosition());
}

void Player::respawn()
{
    health = PlayerFullHealth;
    events.respawned = true;
    if (controller)
        controller->setPosition(toControllerPosition(checkpoint));
}
