// The player's steering as plain arithmetic: keys to a displacement, the jump
// and the player's own gravity, and the F10 position line.
//
// Nothing here touches a controller, so every step is testable on its own; the
// Player class feeds these results to its CharacterController. Units are world
// units, seconds and world units per second, +Y up.
#pragma once

#include <string>

#include <glm/vec3.hpp>

class KeyInput;

// Horizontal speed while walking and while B is held (units per second).
constexpr float PlayerWalkSpeed = 5.0f;
constexpr float PlayerSprintSpeed = 30.0f;
// Upward speed given by a jump (units per second).
constexpr float PlayerJumpSpeed = 6.0f;
// The player's own downward acceleration (units per second squared); the
// collision world's gravity never acts on a controller.
constexpr float PlayerGravity = 13.81f;
// Shorter horizontal view directions count as "no direction": the first frame
// hands over a zero vector, and normalising it would put NaN into the controller.
constexpr float MinHorizontalLength = 1e-6f;

// The keys the player reads, sampled once per frame by level.
struct PlayerKeys {
    bool forward = false;        // W
    bool backward = false;       // S
    bool left = false;           // A
    bool right = false;          // D
    bool sprint = false;         // B
    bool jump = false;           // Space
    bool restart = false;        // F9
    bool printPosition = false;  // F10
    bool quickSave = false;      // F11
};

PlayerKeys readPlayerKeys(const KeyInput& keys);

// The unit horizontal part of `forward`, or (0, 0, 0) when that part is shorter
// than MinHorizontalLength or not finite.
glm::vec3 horizontalDirection(const glm::vec3& forward);

// The unit direction to the right of horizontal direction `h` (h x up), or
// (0, 0, 0) for a zero `h`.
glm::vec3 rightDirection(const glm::vec3& h);

// Sum of the held movement keys' steps; not normalised, so two keys at right
// angles move sqrt(2) times as far. y is always 0.
glm::vec3 keyDisplacement(const PlayerKeys& keys, const glm::vec3& forward, float deltaTime, float moveSpeed);

// The vertical half of the player's movement state.
struct VerticalMotion {
    float verticalVelocity = 0.0f;  // units per second, + is up
    bool airborne = false;          // the last move did not end on the ground
};

// Starts a jump when asked for and on the ground, applies one frame of gravity
// while airborne, and returns this frame's vertical step (world units).
float stepVerticalMotion(VerticalMotion& motion, bool jumpPressed, float deltaTime,
                         float jumpSpeed = PlayerJumpSpeed, float gravity = PlayerGravity);

// Ground contact after the move: landing stops the fall; anything else leaves
// the velocity as it was and lets gravity act from the next frame on.
void settleVerticalMotion(VerticalMotion& motion, bool touchedGround);

// v rounded to one decimal, halves away from zero.
float roundToTenth(float v);

// "Player: X: <x>, Y: <y>, Z: <z>" with each value rounded to one decimal and
// written in the stream's default float format (2.34 -> 2.3, 4.0 -> 4).
std::string playerPositionLine(const glm::vec3& position);
