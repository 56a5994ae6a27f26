#include "game/player_motion.h"

#include <cmath>
#include <sstream>

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>
#include <glm/geometric.hpp>

#include "game/key_input.h"

PlayerKeys readPlayerKeys(const KeyInput& keys)
{
    PlayerKeys pressed;
    pressed.forward = keys.isPressed(GLFW_KEY_W);
    pressed.backward = keys.isPressed(GLFW_KEY_S);
    pressed.left = keys.isPressed(GLFW_KEY_A);
    pressed.right = keys.isPressed(GLFW_KEY_D);
    pressed.sprint = keys.isPressed(GLFW_KEY_B);
    pressed.jump = keys.isPressed(GLFW_KEY_SPACE);
    pressed.restart = keys.isPressed(GLFW_KEY_F9);
    pressed.printPosition = keys.isPressed(GLFW_KEY_F10);
    pressed.quickSave = keys.isPressed(GLFW_KEY_F11);
    return pressed;
}

glm::vec3 horizontalDirection(const glm::vec3& forward)
{
    const glm::vec3 flat(forward.x, 0.0f, forward.z);
    const float length = glm::length(flat);
    // The negated test also rejects a NaN length.
    if (!(length >= MinHorizontalLength) || !std::isfinite(length))
        return glm::vec3(0.0f);
    return flat / length;
}

glm::vec3 rightDirection(const glm::vec3& h)
{
    return horizontalDirection(glm::vec3(-h.z, 0.0f, h.x));
}

glm::vec3 keyDisplacement(const PlayerKeys& keys, const glm::vec3& forward, float deltaTime, float moveSpeed)
{
    const glm::vec3 h = horizontalDirection(forward);
    const glm::vec3 r = rightDirection(h);
    const float stepLength = deltaTime * moveSpeed;
    glm::vec3 d(0.0f);
    if (keys.forward)
        d += h * stepLength;
    if (keys.backward)
        d -= h * stepLength;
    if (keys.left)
        d -= r * stepLength;
    if (keys.right)
        d += r * stepLength;
    return d;
}

float stepVerticalMotion(VerticalMotion& motion, bool jumpPressed, float deltaTime, float jumpSpeed,
                         float gravity)
{
    if (jumpPressed && !motion.airborne) {
        motion.verticalVelocity = jumpSpeed;
        motion.airborne = true;
    }
    // The jump frame already feels gravity, so the first rise is
    // deltaTime * (jumpSpeed - deltaTime * gravity).
    if (motion.airborne)
        motion.verticalVelocity -= deltaTime * gravity;
    return deltaTime * motion.verticalVelocity;
}

void settleVerticalMotion(VerticalMotion& motion, bool touchedGround)
{
    if (touchedGround) {
        motion.verticalVelocity = 0.0f;
        motion.airborne = false;
    } else {
        motion.airborne = true;
    }
}

float roundToTenth(float v)
{
    return std::round(v * 10.0f) / 10.0f;
}

std::string playerPositionLine(const glm::vec3& position)
{
    std::ostringstream line;
    line << "Player: X: " << roundToTenth(position.x) << ", Y: " << roundToTenth(position.y)
         << ", Z: " << roundToTenth(position.z);
    return line.str();
}
