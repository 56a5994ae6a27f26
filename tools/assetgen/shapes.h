// Closed convex building blocks for the props: boxes, square bars between two
// points, low-poly ellipsoids and double pyramids. All in world units, all wound
// so that their faces look outwards.
#pragma once

#include "mesh_builder.h"

// Bit flags naming box sides that are left out (for faces flush with a wall).
enum BoxSide : unsigned {
    KeepAllSides = 0,
    SkipNegX = 1u << 0,
    SkipPosX = 1u << 1,
    SkipNegY = 1u << 2,
    SkipPosY = 1u << 3,
    SkipNegZ = 1u << 4,
    SkipPosZ = 1u << 5,
};

void addBox(MeshBuilder& mesh, const std::string& material, const glm::dvec3& low, const glm::dvec3& high,
            unsigned skippedSides = KeepAllSides);

// A bar of square cross-section (side 2 * halfWidth) from a to b, closed at both ends.
void addBar(MeshBuilder& mesh, const std::string& material, const glm::dvec3& a, const glm::dvec3& b,
            double halfWidth);

void addEllipsoid(MeshBuilder& mesh, const std::string& material, const glm::dvec3& centre,
                  const glm::dvec3& radii, int slices, int stacks);

// Two four-sided pyramids base to base around centre: width across x and z, height along y.
void addDoublePyramid(MeshBuilder& mesh, const std::string& material, const glm::dvec3& centre, double width,
                      double height);
