// Small double-precision geometry used by the controller sweeps.
//
// Pure logic, no Bullet. All points are world positions in world units; capsules
// are vertical (+Y axis) and described by their centre, radius and height between
// the hemisphere centres.
#pragma once

#include <glm/vec3.hpp>

// Closest point to `p` on the solid triangle (a, b, c).
glm::dvec3 closestPointOnTriangle(const glm::dvec3& p, const glm::dvec3& a, const glm::dvec3& b,
                                  const glm::dvec3& c);

// Unit normal of the triangle (a, b, c) following its winding: (b - a) x (c - a).
// Zero for a degenerate triangle.
glm::dvec3 windingNormal(const glm::dvec3& a, const glm::dvec3& b, const glm::dvec3& c);

// Distance between the core segments of two vertical capsules.
double verticalSegmentDistance(const glm::dvec3& centreA, double heightA, const glm::dvec3& centreB,
                               double heightB);

// True when two vertical capsules overlap (their core segments are closer than
// the sum of the radii).
bool capsulesOverlap(const glm::dvec3& centreA, double radiusA, double heightA, const glm::dvec3& centreB,
                     double radiusB, double heightB);
