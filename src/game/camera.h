// The first-person camera: mouse look, the eye at the player's capsule centre,
// the view matrix and the projection.
//
// The level owns one Camera (Level::camera, set up once the player exists)
// rather than a process-wide object: the frame source hands it each cursor
// position, from the GLFW cursor callback in live play or from the demo file in
// a replay, through onCursorPos. The mouse state lives inside the camera.
// Angles are radians, distances world units.
#pragma once

#include <glm/mat4x4.hpp>
#include <glm/vec3.hpp>

#include "game/camera_math.h"

class Player;

// Degrees to radians, as the game has always converted its field of view.
constexpr float DegreesToRadians = 0.017453292f;

class Camera {
public:
    float fov = 60.0f * DegreesToRadians;  // vertical field of view, radians
    // Not "near" and "far": windows.h defines both as macros.
    float nearPlane = 0.1f;                // near plane distance
    float farPlane = 100.0f;               // far plane distance
    float aspect = 1.0f;                   // configured window width / height
    float distance = 0.0f;                 // orbit distance; 0 = first person
    float yaw = 0.0f;                      // radians, grows without wrap
    float pitch = 0.0f;                    // radians, +-MaxPitch after any cursor event
    float sensitivity = MouseSensitivity;  // radians per cursor unit
    glm::vec3 eyePosition{0.0f};           // eye of the last computed view
    CursorTracker cursor;

    // Stores the settings; the field of view comes in degrees. A pitch beyond
    // +-MaxPitch is kept until the first cursor event clamps it.
    void setup(float fovDegrees, float aspectRatio, float nearDistance, float farDistance, float initialYaw,
               float initialPitch);

    // One cursor position event (virtual, unbounded coordinates).
    void onCursorPos(double x, double y);

    // View matrix from an eye at `centre` (orbit distance applied); stores eyePosition.
    glm::mat4 computeView(const glm::vec3& centre);
    // View from the player's controller centre as it is now (after this frame's
    // move); a player without a controller is seen from its cached position.
    glm::mat4 computeView(const Player& player);

    // glm::perspective of the stored settings; the same for the whole run.
    glm::mat4 projection() const;
};
