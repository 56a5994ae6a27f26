#include "scene/animation/animation_player.h"

#include <cmath>

AnimationPlayer::AnimationPlayer(AnimationClip* clip)
    : finalBoneMatrices(MaxBones, glm::mat4(1.0f)), clip(clip)
{
}

void AnimationPlayer::advance(float dt)
{
    deltaTime = dt;
    if (clip == nullptr || !clip->isPlayable)
        return;
    currentTime += static_cast<float>(clip->ticksPerSecond) * dt;
    // fmodf keeps the dividend's sign; a zero length would give NaN, so such a clip
    // (and a clock spoilt by a non-finite dt) restarts at 0.
    currentTime = clip->duration > 0.0f ? std::fmod(currentTime, clip->duration) : 0.0f;
    if (!std::isfinite(currentTime))
        currentTime = 0.0f;
    computeBoneTransforms(clip->rootNode, glm::mat4(1.0f));
}

void AnimationPlayer::computeBoneTransforms(const SkeletonNode& node, const glm::mat4& parentTransform)
{
    glm::mat4 nodeTransform = node.transformation;
    if (clip != nullptr && node.trackIndex >= 0 &&
        static_cast<std::size_t>(node.trackIndex) < clip->tracks.size()) {
        BoneTrack& track = clip->tracks[static_cast<std::size_t>(node.trackIndex)];
        track.updateLocalTransform(currentTime);
        nodeTransform = track.localTransform;
    }
    const glm::mat4 globalTransform = parentTransform * nodeTransform;
    if (node.boneId >= 0 && static_cast<std::size_t>(node.boneId) < finalBoneMatrices.size())
        finalBoneMatrices[static_cast<std::size_t>(node.boneId)] = globalTransform * node.boneOffset;
    for (const SkeletonNode& child : node.children)
        computeBoneTransforms(child, globalTransform);
}
