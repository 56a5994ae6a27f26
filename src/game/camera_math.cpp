#include "game/camera_math.h"

#include <algorithm>
#include <cmath>

#include <glm/geometric.hpp>
#include <glm/gtc/matrix_transform.hpp>
#include <glm/matrix.hpp>

CursorDelta trackCursor(CursorTracker& tracker, double x, double y)
{
    if (tracker.firstMouse) {
        tracker.firstMouse = false;
        tracker.lastCursorX = x;
        tracker.lastCursorY = y;
    }
    const CursorDelta delta{static_cast<float>(x - tracker.lastCursorX),
                            static_cast<float>(y - tracker.lastCursorY)};
    tracker.lastCursorX = x;
    tracker.lastCursorY = y;
    return delta;
}

void applyMouseLook(float& yaw, float& pitch, const CursorDelta& delta, float sensitivity)
{
    yaw += delta.dx * sensitivity;
    pitch = std::clamp(pitch + delta.dy * sensitivity, -MaxPitch, MaxPitch);
}

glm::vec3 orbitEye(const glm::vec3& centre, float yaw, float pitch, float distance)
{
    return glm::vec3(centre.x - std::sin(yaw) * distance * std::cos(pitch),
                     centre.y + std::sin(pitch) * distance,
                     centre.z + std::cos(yaw) * distance * std::cos(pitch));
}

glm::mat4 lookFrom(const glm::vec3& eye, float yaw, float pitch)
{
    glm::mat4 cameraToWorld = glm::translate(glm::mat4(1.0f), eye);
    cameraToWorld = glm::rotate(cameraToWorld, yaw, glm::vec3(0.0f, -1.0f, 0.0f));
    cameraToWorld = glm::rotate(cameraToWorld, pitch, glm::vec3(-1.0f, 0.0f, 0.0f));
    return glm::inverse(cameraToWorld);
}

glm::vec3 viewForward(const glm::mat4& view)
{
    const glm::mat4 cameraToWorld = glm::inverse(view);
    return glm::normalize(glm::vec3(-cameraToWorld[2][0], -cameraToWorld[2][1], -cameraToWorld[2][2]));
}
