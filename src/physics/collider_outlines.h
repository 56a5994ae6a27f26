// Line segments that show the collision world as the controllers meet it: the
// edges of the static triangle meshes and a wireframe of every controller's
// capsule, both as it is and grown by its contact offset.
//
// World units, +Y up. A line list holds two points per segment, ready for a
// GL_LINES draw. Made on demand by the physics view; nothing here runs otherwise.
#pragma once

#include <vector>

#include <glm/vec3.hpp>

class CollisionScene;
class ControllerManager;

using LineList = std::vector<glm::vec3>;

// Segments per full circle of a capsule wireframe.
constexpr int CapsuleOutlineSegments = 24;

// A vertical capsule around `centre`: `height` between the hemisphere centres,
// `radius` around the core. Rings at both hemisphere equators and halfway, four
// vertical sides, and two arcs over each hemisphere (in the x-y and z-y planes).
// Every point lies on the capsule's surface.
void appendCapsuleOutline(LineList& lines, const glm::vec3& centre, float radius, float height);

// Every edge of every static mesh, each edge shared by neighbouring triangles once.
LineList staticMeshEdges(const CollisionScene& scene);

struct ControllerOutlines {
    LineList capsules;        // the capsules the sweeps use
    LineList contactOffsets;  // the same capsules grown by their contact offset
};

// Outlines of every controller at its position now.
ControllerOutlines controllerOutlines(const ControllerManager& controllers);
