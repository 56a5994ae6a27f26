// One node of an animation file's node tree, copied so the file can be closed.
//
// Besides the file's data each node carries the links the player needs every
// frame (its track and its bone), resolved once when the clip is built so the
// frame walk does no name searches.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <glm/mat4x4.hpp>

struct SkeletonNode {
    glm::mat4 transformation{1.0f};  // node-local matrix, parent space, column-major
    std::string name;
    std::int32_t childCount = 0;
    std::vector<SkeletonNode> children;  // file order

    // Resolved by AnimationClip::linkNodes; -1 means none.
    std::int32_t trackIndex = -1;  // first track of the clip with this node's name
    std::int32_t boneId = -1;      // id of this node's bone binding, 0..MaxBones-1
    glm::mat4 boneOffset{1.0f};    // that binding's offset (model space -> bone space)
};
