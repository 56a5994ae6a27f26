// The keyframes of one animated node and its local matrix at the last update.
//
// A track belongs to an AnimationClip; the player updates it in place while it
// walks the node tree. Times are in ticks.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <glm/mat4x4.hpp>

#include "scene/animation/keyframes.h"

struct BoneTrack {
    std::vector<PositionKey> positions;  // file order
    std::vector<RotationKey> rotations;  // file order
    std::vector<ScaleKey> scales;        // file order
    std::int32_t positionCount = 0;      // key counts as the file gives them
    std::int32_t rotationCount = 0;
    std::int32_t scaleCount = 0;
    glm::mat4 localTransform{1.0f};  // node-local, parent space; identity until updated
    std::string name;                // the animated node's name
    std::int32_t id = 0;             // bone id from the model's bone table

    // localTransform = translation × rotation × scale, each sampled at `time` (ticks).
    void updateLocalTransform(float time);
};
