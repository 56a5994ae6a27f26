// The framework's built-in mesh: a small lattice of closed solids (16 boxes and 96
// tetrahedra, 512 positions, 576 triangles) that the framework uploads at start-up
// as a ready-made test object. The data is generated here, free of OpenGL.
#pragma once

#include <cstdint>
#include <vector>

#include <glm/vec3.hpp>

constexpr int BuiltinMeshVertexCount = 512;
constexpr int BuiltinMeshIndexCount = 1728;

// The 512 positions, in model units within [-1, 1] on every axis.
std::vector<glm::vec3> builtinMeshPositions();

// 1728 indices, three per triangle; every triangle belongs to a closed solid, so
// every edge is shared by exactly two triangles. Triangles are counter-clockwise
// seen from outside once the positions have gone through placeBuiltinVertex.
std::vector<std::uint32_t> builtinMeshIndices();

// The placement applied before upload: scaled by 0.8 and mirrored in z.
glm::vec3 placeBuiltinVertex(const glm::vec3& position);
