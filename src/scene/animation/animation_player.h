// Plays one AnimationClip in a loop and keeps the skinning matrices it produces.
//
// The player owns its MaxBones (100) matrices; the clip is borrowed and must outlive
// the player. Entries the node walk never reaches keep their last value (identity
// at the start). With no clip, or a refused one, advancing only records the delta.
#pragma once

#include <vector>

#include <glm/mat4x4.hpp>

#include "scene/animation/animation_clip.h"

class AnimationPlayer {
public:
    std::vector<glm::mat4> finalBoneMatrices;  // MaxBones matrices, model space -> posed model space
    AnimationClip* clip = nullptr;             // not owned; may be null
    float currentTime = 0.0f;                  // ticks, in [0, duration)
    float deltaTime = 0.0f;                    // seconds, last advance

    // Starts at time 0 with identity matrices.
    explicit AnimationPlayer(AnimationClip* clip);

    // Moves the clock by `dt` seconds at the clip's tick rate, wraps it into the
    // clip's length and recomputes the matrices. A clip without length stays at 0.
    void advance(float dt);

    // Recursive walk: node matrix (or its track's sampled matrix) under `parentTransform`,
    // written to the node's bone entry as global × offset.
    void computeBoneTransforms(const SkeletonNode& node, const glm::mat4& parentTransform);

    // A copy of the matrices, as the frame takes it before advancing: what it uploads
    // is then the pose of the previous advance.
    std::vector<glm::mat4> copyBoneMatrices() const { return finalBoneMatrices; }
};
