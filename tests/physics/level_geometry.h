// The game's level geometry loaded for collision tests and benchmarks: imported
// with Assimp the way the game's model loader does it, positions scaled by the
// level's 0.5, one static mesh per imported mesh. No GL.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <glm/vec3.hpp>

class CollisionScene;

struct LevelMesh {
    std::vector<glm::vec3> positions;
    std::vector<std::uint32_t> indices;
};

// Scale the game loads the level's OBJ files with.
constexpr float LevelScale = 0.5f;

// Path of a file below the project root, e.g. "assets/geometry/map/Map.obj".
std::string projectFile(const std::string& relativePath);

// Every mesh of the file, positions multiplied by `scale`; empty when the import fails.
std::vector<LevelMesh> importMeshes(const std::string& path, float scale);

// Adds one static mesh per mesh; returns how many colliders were made.
std::size_t addToScene(CollisionScene& scene, const std::vector<LevelMesh>& meshes);
