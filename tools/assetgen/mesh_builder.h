// Collects polygons per material in world units before they are written to a file.
//
// Each face keeps its corners in counter-clockwise order seen from its front and a
// flat normal computed from that order, so winding and normal can never disagree.
// Groups keep the order in which materials were first used, which keeps files stable.
#pragma once

#include <glm/vec2.hpp>
#include <glm/vec3.hpp>

#include <string>
#include <vector>

struct FaceCorner {
    glm::dvec3 position{0.0};  // world units
    glm::dvec2 uv{0.0};        // v up (the OBJ convention)
};

struct Face {
    std::vector<FaceCorner> corners;  // counter-clockwise seen from the front
    glm::dvec3 normal{0.0, 1.0, 0.0};
};

struct FaceGroup {
    std::string material;
    std::vector<Face> faces;
};

// World-following texture coordinates: repeats every 2 world units, u to the right
// of a viewer looking at the face, v up on walls.
glm::dvec2 planarUv(const glm::dvec3& position, const glm::dvec3& normal);

class MeshBuilder {
public:
    // Adds a face whose corners are already counter-clockwise from the front;
    // texture coordinates follow the world.
    void addFace(const std::string& material, const std::vector<glm::dvec3>& corners);

    // Adds a face with explicit texture coordinates.
    void addFace(const std::string& material, const std::vector<FaceCorner>& corners);

    // Adds a face of a closed convex piece, turning it so that its front looks away
    // from the piece's inside point.
    void addOutwardFace(const std::string& material, std::vector<glm::dvec3> corners,
                        const glm::dvec3& inside);

    const std::vector<FaceGroup>& groups() const { return faceGroups; }
    size_t triangleCount() const;

private:
    FaceGroup& group(const std::string& material);

    std::vector<FaceGroup> faceGroups;
};
