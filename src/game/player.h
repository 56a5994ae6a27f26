// The player: a capsule character controller steered by the keyboard relative
// to where the camera looks, with sprint, jump, its own gravity, restart (F9),
// a position print (F10) and a quick save (F11) that respawns return to.
//
// Positions are world units (+Y up), the controller's position is its capsule
// centre; speeds are units per second; times are steady-clock nanoseconds
// handed in by the caller. The controller belongs to the controller manager.
// When it cannot be made, the player stays inert where it started.
#pragma once

#include <cstdint>

#include <glm/vec3.hpp>

#include "game/damage.h"
#include "game/player_events.h"
#include "game/player_motion.h"
#include "physics/collision_types.h"

class CharacterController;
class ControllerManager;
class KeyInput;

// The player's capsule: radius 0.5, 0.5 between the hemisphere centres.
constexpr float PlayerRadius = 0.5f;
constexpr float PlayerHeight = 0.5f;
constexpr float PlayerContactOffset = 0.1f;
constexpr float PlayerStepOffset = 0.5f;
constexpr float PlayerSlopeLimit = 0.707f;
constexpr const char* PlayerName = "Player";
// Shortest step the player's controller takes (world units).
constexpr float PlayerMinMoveDistance = 0.001f;

class Player {
public:
    std::int64_t lastDamageTime = 0;            // steady ns of the last spider hit
    CharacterController* controller = nullptr;  // owned by the controller manager
    glm::vec3 position{0.0f};                   // controller centre as of refreshPosition
    float verticalVelocity = 0.0f;              // units per second, + is up
    glm::vec3 startPosition{0.0f};              // where F9 returns to; never changes
    float health = PlayerFullHealth;            // whole steps of 1
    float moveSpeed = PlayerWalkSpeed;          // re-chosen every frame (walk or sprint)
    float jumpSpeed = PlayerJumpSpeed;
    bool airborne = false;  // the last move did not end on the ground
    float gravity = PlayerGravity;
    float damageCooldown = SpiderDamageCooldown;  // seconds between spider hits
    glm::vec3 checkpoint{0.0f};                   // where respawn puts the player; set by F11
    PlayerEvents events;                          // this frame's events; the frame loop clears them

    // Makes the capsule at `start`. `nowNanoseconds` is the steady time of
    // construction: spider damage is ignored until 5 s after it (plus the cool-down).
    Player(ControllerManager& controllerManager, const glm::vec3& start, std::int64_t nowNanoseconds);

    // One frame: sprint choice, keys to displacement along the horizontal part
    // of `forward` (the previous frame's viewing direction; a zero or vertical
    // one moves nowhere), jump, F9/F10/F11, gravity, then the move. Returns the
    // move's collision flags (0 for an inert player).
    CollisionFlags update(const KeyInput& keys, float deltaTime, const glm::vec3& forward);

    // Copies the controller's centre into `position`.
    void refreshPosition();

    // Full health, then back to the checkpoint. Vertical motion is left alone.
    void respawn();

private:
    void handleFunctionKeys(const PlayerKeys& pressed);
};
