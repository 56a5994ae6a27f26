#include "game/camera.h"

#include <glm/gtc/matrix_transform.hpp>

void Camera::setup(float fovDegrees, float aspectRatio, float nearDistance, float farDistance,
                   float initialYaw, float initialPitch)
{
    fov = fovDegrees * DegreesToRadians;
    aspect = aspectRatio;
    nearPlane = nearDistance;
    farPlane = farDistance;
    yaw = initialYaw;
    pitch = initialPitch;
}

void Camera::onCursorPos(double x, double y)
{
    applyMouseLook(yaw, pitch, trackCursor(cursor, x, y), sensitivity);
}

glm::mat4 Camera::computeView(const glm::vec3& centre)
{
    eyePosition = orbitEye(centre, yaw, pitch, distance);
    return lookFrom(eyePosition, yaw, pitch);
}

glm::mat4 Camera::projection() const
{
    return glm::perspective(fov, aspect, nearPlane, farPlane);
}
