#include "physics/capsule_geometry.h"

#include <algorithm>
#include <cmath>

#include <glm/geometric.hpp>

// Region-by-region closest point (Voronoi regions of vertices, edges and face).
glm::dvec3 closestPointOnTriangle(const glm::dvec3& p, const glm::dvec3& a, const glm::dvec3& b,
                                  const glm::dvec3& c)
{
    const glm::dvec3 ab = b - a;
    const glm::dvec3 ac = c - a;
    const glm::dvec3 ap = p - a;
    const double d1 = glm::dot(ab, ap);
    const double d2 = glm::dot(ac, ap);
    if (d1 <= 0.0 && d2 <= 0.0) {
        return a;
    }
    const glm::dvec3 bp = p - b;
    const double d3 = glm::dot(ab, bp);
    const double d4 = glm::dot(ac, bp);
    if (d3 >= 0.0 && d4 <= d3) {
        return b;
    }
    const double vc = d1 * d4 - d3 * d2;
    if (vc <= 0.0 && d1 >= 0.0 && d3 <= 0.0) {
        return a + ab * (d1 / (d1 - d3));
    }
    const glm::dvec3 cp = p - c;
    const double d5 = glm::dot(ab, cp);
    const double d6 = glm::dot(ac, cp);
    if (d6 >= 0.0 && d5 <= d6) {
        return c;
    }
    const double vb = d5 * d2 - d1 * d6;
    if (vb <= 0.0 && d2 >= 0.0 && d6 <= 0.0) {
        return a + ac * (d2 / (d2 - d6));
    }
    const double va = d3 * d6 - d5 * d4;
    if (va <= 0.0 && (d4 - d3) >= 0.0 && (d5 - d6) >= 0.0) {
        return b + (c - b) * ((d4 - d3) / ((d4 - d3) + (d5 - d6)));
    }
    const double denominator = 1.0 / (va + vb + vc);
    return a + ab * (vb * denominator) + ac * (vc * denominator);
}

glm::dvec3 windingNormal(const glm::dvec3& a, const glm::dvec3& b, const glm::dvec3& c)
{
    const glm::dvec3 n = glm::cross(b - a, c - a);
    const double length = glm::length(n);
    return length > 0.0 ? n / length : glm::dvec3(0.0);
}

double verticalSegmentDistance(const glm::dvec3& centreA, double heightA, const glm::dvec3& centreB,
                               double heightB)
{
    const double dx = centreA.x - centreB.x;
    const double dz = centreA.z - centreB.z;
    const double reach = 0.5 * (heightA + heightB);
    const double dy = std::max(0.0, std::abs(centreA.y - centreB.y) - reach);
    return std::sqrt(dx * dx + dz * dz + dy * dy);
}

bool capsulesOverlap(const glm::dvec3& centreA, double radiusA, double heightA, const glm::dvec3& centreB,
                     double radiusB, double heightB)
{
    return verticalSegmentDistance(centreA, heightA, centreB, heightB) < radiusA + radiusB;
}
