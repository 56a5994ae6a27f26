// The first animation of a model file: a copy of the file's node tree, one
// keyframe track per animated node, and the model's bone table.
//
// Loading extends the skeleton model's bone table with bones that only the
// animation names (zero offset, ids counting on from model.boneCount). A file that
// cannot be used (not importable, no animation, a channel without keys of some kind,
// a bone id outside 0..MaxBones-1) is refused with one console line: the clip stays
// empty, the model is left untouched and a player of the clip keeps its matrices.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "scene/animation/bone_track.h"
#include "scene/animation/skeleton_node.h"
#include "scene/model.h"

struct aiScene;

// Tick rate used when the file gives none (or one that truncates to zero or less);
// the rate many importers assume for such files.
constexpr std::int32_t FallbackTicksPerSecond = 25;

class AnimationClip {
public:
    float duration = 0.0f;            // ticks; 0 for a still pose
    std::int32_t ticksPerSecond = 0;  // file's rate truncated towards zero
    std::vector<BoneTrack> tracks;    // channel order
    SkeletonNode rootNode;
    std::map<std::string, BoneBinding> boneBindings;  // the model's table after loading
    bool isPlayable = false;                          // false when the file was refused

    // An empty clip that a player treats as no clip.
    AnimationClip() = default;

    // Imports `path` (already resolved) and reads its first animation.
    AnimationClip(const std::string& path, Model& model);

    // Reads the first animation of an imported scene; `source` names it in messages.
    AnimationClip(const aiScene& scene, Model& model, const std::string& source);

    // The first track with this name, or nullptr.
    BoneTrack* findTrack(const std::string& name);

    // Resolves every node's track index and bone binding. The constructors call it;
    // call it again after changing tracks or boneBindings by hand.
    void linkNodes();

private:
    void readScene(const aiScene& scene, Model& model, const std::string& source);
    void linkNode(SkeletonNode& node);
};
