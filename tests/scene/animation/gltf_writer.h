// Writes tiny glTF files for the animation tests: a node tree and one animation
// whose key data sits in a base64 data: URI, so each test builds exactly the file
// it needs in a scratch folder.
#pragma once

#include <string>
#include <vector>

#include <glm/gtc/quaternion.hpp>
#include <glm/vec3.hpp>

struct GltfNode {
    std::string name;
    glm::vec3 translation{0.0f};
    glm::quat rotation{1.0f, 0.0f, 0.0f, 0.0f};
    glm::vec3 scale{1.0f};
    std::vector<int> children;
};

// One sampler and channel; `path` is "translation", "rotation" or "scale".
// Times are in seconds as glTF stores them; values are 3 or 4 floats per key
// (rotations as x, y, z, w).
struct GltfChannel {
    int node = 0;
    std::string path;
    std::vector<float> times;
    std::vector<float> values;
};

struct GltfFile {
    std::vector<GltfNode> nodes;        // node 0 is the scene's only root
    std::vector<GltfChannel> channels;  // no channels: no animation in the file
};

// Writes `file` as JSON to `path`.
void writeGltf(const GltfFile& file, const std::string& path);
