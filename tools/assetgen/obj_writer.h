// Writes a MeshBuilder as a Wavefront OBJ with its MTL library.
//
// One 'o' statement per material keeps each material's faces in one mesh, which is
// one draw call and one collider in the game. Positions are written at fileScale
// times the world value (the game loads OBJ files at scale 0.5); numbers use a
// fixed format so that the same geometry always gives the same bytes.
#pragma once

#include "mesh_builder.h"

#include <string>
#include <vector>

struct MaterialSpec {
    std::string name;
    glm::dvec3 diffuseColor{1.0};  // Kd, always written
    std::string diffuseMap;  // relative to the model's folder, e.g. "textures/stone.png"; empty for none
    std::string normalMap;   // tangent-space normal map; empty for none
};

constexpr double ObjFileScale = 2.0;

// Fixed-point text for a number: up to `decimals` places, trailing zeros dropped, never "-0".
std::string formatNumber(double value, int decimals);

// Writes <folder>/<baseName>.obj and <folder>/<baseName>.mtl. Fails the program if a file cannot be written.
void writeObjModel(const std::string& folder, const std::string& baseName, const MeshBuilder& mesh,
                   const std::vector<MaterialSpec>& materials);

// Writes text to a file, creating its folder; the generator's single way of writing text.
void writeTextFile(const std::string& path, const std::string& text);
