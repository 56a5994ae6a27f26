// The bone walk as first designed: search the tracks and the bone table by name
// at every node. The player's linked walk must give the same matrices (tests),
// and the benchmark times the two against each other.
#pragma once

#include <vector>

#include <glm/mat4x4.hpp>

#include "scene/animation/animation_clip.h"

inline void walkByName(AnimationClip& clip, float time, const SkeletonNode& node, const glm::mat4& parent,
                       std::vector<glm::mat4>& out)
{
    glm::mat4 local = node.transformation;
    if (BoneTrack* track = clip.findTrack(node.name)) {
        track->updateLocalTransform(time);
        local = track->localTransform;
    }
    const glm::mat4 global = parent * local;
    const auto binding = clip.boneBindings.find(node.name);
    if (binding != clip.boneBindings.end())
        out[static_cast<std::size_t>(binding->second.id)] = global * binding->second.offset;
    for (const SkeletonNode& child : node.children)
        walkByName(clip, time, child, global, out);
}
