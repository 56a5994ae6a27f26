// A spider's patrol as plain arithmetic: the step along its axis and the
// decision to turn around at either end.
//
// The axis is a horizontal unit vector; distances are world units measured from
// the start position along the axis, speeds units per second.
#pragma once

#include <glm/vec3.hpp>

// Spider walking speed along its patrol axis (units per second).
constexpr float SpiderSpeed = 10.0f;
// Degrees a spider turns at each end of its patrol.
constexpr float PatrolTurnDegrees = 180.0f;

// This frame's displacement: along +axis outbound, along -axis homebound.
glm::vec3 patrolStep(const glm::vec3& axis, float speed, float deltaTime, bool reversed);

// How far `position` lies from `start` along `axis` (negative behind the start).
float patrolProgress(const glm::vec3& position, const glm::vec3& start, const glm::vec3& axis);

// True when the spider has reached the far end going out, or the start (or
// behind it) coming home. Both comparisons include the end point.
bool shouldTurnPatrol(float progress, float patrolDistance, bool reversed);
