// Reads back the triangles of a generated OBJ file (positions and material names
// only), so that tests and the map picture look at what was written, not at the
// layout it came from.
#pragma once

#include <glm/vec3.hpp>

#include <string>
#include <vector>

struct ObjTriangle {
    glm::dvec3 corners[3];  // file coordinates times the scale given to the reader
    std::string material;

    glm::dvec3 normal() const;  // from the winding: front is counter-clockwise
    glm::dvec3 centroid() const;
};

// Polygons are split into fans. Returns an empty list when the file cannot be read.
std::vector<ObjTriangle> readObjTriangles(const std::string& path, double scale);
