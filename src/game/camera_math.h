// First-person camera arithmetic: mouse look, the orbit eye, the view matrix and
// the viewing direction derived from it.
//
// Angles are radians. Yaw 0 and pitch 0 look along -Z with +X to the right and
// +Y up; a growing yaw turns right and a growing pitch looks down. Positions are
// world units.
#pragma once

#include <glm/mat4x4.hpp>
#include <glm/vec3.hpp>

// Pitch is kept within this many radians of the horizon (89 degrees), so the
// horizontal part of the viewing direction never vanishes.
constexpr float MaxPitch = 1.553343f;
// Radians of turn per unit of cursor movement.
constexpr float MouseSensitivity = 0.002f;

// Where the cursor was at the previous event. The first event only records its
// position, so the jump from (0, 0) to the real cursor never turns the view.
struct CursorTracker {
    bool firstMouse = true;
    double lastCursorX = 0.0;
    double lastCursorY = 0.0;
};

// Movement since the previous event in cursor units (right and down positive),
// differences taken in double and then narrowed; records (x, y).
struct CursorDelta {
    float dx = 0.0f;
    float dy = 0.0f;
};
CursorDelta trackCursor(CursorTracker& tracker, double x, double y);

// Applies one cursor movement to yaw (unbounded) and pitch (clamped to
// +-MaxPitch; a pitch already beyond it is only clamped here).
void applyMouseLook(float& yaw, float& pitch, const CursorDelta& delta, float sensitivity = MouseSensitivity);

// The eye `distance` units behind `centre` along the viewing direction.
glm::vec3 orbitEye(const glm::vec3& centre, float yaw, float pitch, float distance);

// World-to-camera matrix of an eye at `eye` looking by yaw and pitch.
glm::mat4 lookFrom(const glm::vec3& eye, float yaw, float pitch);

// The unit viewing direction in world space: the negated third column of the
// camera-to-world matrix (the inverse of `view`).
glm::vec3 viewForward(const glm::mat4& view);
