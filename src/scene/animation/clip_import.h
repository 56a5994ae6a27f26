// Steps of reading an animation out of an imported Assimp scene.
//
// Used by AnimationClip's constructors only. The checks come first and change
// nothing, so a refused file leaves the model as it was.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "scene/animation/bone_track.h"
#include "scene/animation/skeleton_node.h"
#include "scene/model.h"

struct aiAnimation;
struct aiNode;

// The model's bone table with the animation's extra bones added.
struct ExtendedBoneTable {
    std::map<std::string, BoneBinding> bindings;
    std::int32_t boneCount = 0;
};

// True when every channel has at least one key of each kind; otherwise prints why.
bool checkChannelKeys(const aiAnimation& animation, const std::string& source);

// The model's table plus one zero-offset binding per channel node it lacks.
ExtendedBoneTable extendBoneTable(const aiAnimation& animation, const Model& model);

// True when every id lies in 0..MaxBones-1; otherwise prints why.
bool checkBoneIds(const ExtendedBoneTable& table, const std::string& source);

// Copy of the node tree with matrices transposed into column-major order.
SkeletonNode readNodeTree(const aiNode& node);

// One track per channel, in channel order, with ids from `bindings`.
std::vector<BoneTrack> readTracks(const aiAnimation& animation,
                                  const std::map<std::string, BoneBinding>& bindings);

// The file's rate truncated towards zero, or FallbackTicksPerSecond (with a line).
std::int32_t readTicksPerSecond(const aiAnimation& animation, const std::string& source);

// The file's duration in ticks, or 0 (still pose, with a line) when not positive.
float readDuration(const aiAnimation& animation, const std::string& source);
