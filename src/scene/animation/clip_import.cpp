#include "scene/animation/clip_import.h"

#include <cmath>
#include <limits>

#include <assimp/anim.h>
#include <assimp/scene.h>

#include "framework/console.h"
#include "scene/animation/animation_clip.h"

namespace {

glm::mat4 columnMajor(const aiMatrix4x4& m)
{
    // Assimp stores rows; GLM stores columns, so the copy is the transpose.
    return glm::mat4(m.a1, m.b1, m.c1, m.d1, m.a2, m.b2, m.c2, m.d2, m.a3, m.b3, m.c3, m.d3, m.a4, m.b4, m.c4,
                     m.d4);
}

glm::quat toQuat(const aiQuaternion& q)
{
    glm::quat result;
    result.w = q.w;
    result.x = q.x;
    result.y = q.y;
    result.z = q.z;
    return result;
}

const char* missingKind(const aiNodeAnim& channel)
{
    if (channel.mNumPositionKeys == 0 || channel.mPositionKeys == nullptr)
        return "position";
    if (channel.mNumRotationKeys == 0 || channel.mRotationKeys == nullptr)
        return "rotation";
    if (channel.mNumScalingKeys == 0 || channel.mScalingKeys == nullptr)
        return "scale";
    return nullptr;
}

BoneTrack readTrack(const aiNodeAnim& channel, std::int32_t id)
{
    BoneTrack track;
    track.name = channel.mNodeName.C_Str();
    track.id = id;
    track.positionCount = static_cast<std::int32_t>(channel.mNumPositionKeys);
    track.rotationCount = static_cast<std::int32_t>(channel.mNumRotationKeys);
    track.scaleCount = static_cast<std::int32_t>(channel.mNumScalingKeys);
    for (unsigned i = 0; i < channel.mNumPositionKeys; ++i) {
        const aiVectorKey& key = channel.mPositionKeys[i];
        track.positions.push_back(
            {glm::vec3(key.mValue.x, key.mValue.y, key.mValue.z), static_cast<float>(key.mTime)});
    }
    for (unsigned i = 0; i < channel.mNumRotationKeys; ++i) {
        const aiQuatKey& key = channel.mRotationKeys[i];
        track.rotations.push_back({toQuat(key.mValue), static_cast<float>(key.mTime)});
    }
    for (unsigned i = 0; i < channel.mNumScalingKeys; ++i) {
        const aiVectorKey& key = channel.mScalingKeys[i];
        track.scales.push_back(
            {glm::vec3(key.mValue.x, key.mValue.y, key.mValue.z), static_cast<float>(key.mTime)});
    }
    return track;
}

}  // namespace

bool checkChannelKeys(const aiAnimation& animation, const std::string& source)
{
    for (unsigned i = 0; i < animation.mNumChannels; ++i) {
        const aiNodeAnim* channel = animation.mChannels[i];
        if (channel == nullptr)
            continue;
        if (const char* kind = missingKind(*channel)) {
            printLine("Animation refused, channel " + std::string(channel->mNodeName.C_Str()) + " has no " +
                      kind + " keys: " + source);
            return false;
        }
    }
    return true;
}

ExtendedBoneTable extendBoneTable(const aiAnimation& animation, const Model& model)
{
    ExtendedBoneTable table{model.boneBindings, model.boneCount};
    for (unsigned i = 0; i < animation.mNumChannels; ++i) {
        if (animation.mChannels[i] == nullptr)
            continue;
        const std::string name = animation.mChannels[i]->mNodeName.C_Str();
        if (table.bindings.count(name) != 0)
            continue;
        BoneBinding binding;
        binding.id = table.boneCount;
        binding.offset = glm::mat4(0.0f);
        table.bindings.emplace(name, binding);
        ++table.boneCount;
    }
    return table;
}

bool checkBoneIds(const ExtendedBoneTable& table, const std::string& source)
{
    for (const auto& [name, binding] : table.bindings) {
        if (binding.id < 0 || binding.id >= MaxBones) {
            printLine("Animation refused, bone " + name + " has id " + std::to_string(binding.id) +
                      " but only " + std::to_string(MaxBones) + " bone matrices exist: " + source);
            return false;
        }
    }
    return true;
}

SkeletonNode readNodeTree(const aiNode& node)
{
    SkeletonNode dest;
    dest.name = node.mName.C_Str();
    dest.transformation = columnMajor(node.mTransformation);
    dest.childCount = static_cast<std::int32_t>(node.mNumChildren);
    dest.children.reserve(node.mNumChildren);
    for (unsigned i = 0; i < node.mNumChildren; ++i)
        dest.children.push_back(readNodeTree(*node.mChildren[i]));
    return dest;
}

std::vector<BoneTrack> readTracks(const aiAnimation& animation,
                                  const std::map<std::string, BoneBinding>& bindings)
{
    std::vector<BoneTrack> tracks;
    tracks.reserve(animation.mNumChannels);
    for (unsigned i = 0; i < animation.mNumChannels; ++i) {
        const aiNodeAnim* channel = animation.mChannels[i];
        if (channel == nullptr)
            continue;
        tracks.push_back(readTrack(*channel, bindings.at(channel->mNodeName.C_Str()).id));
    }
    return tracks;
}

std::int32_t readTicksPerSecond(const aiAnimation& animation, const std::string& source)
{
    const double rate = std::trunc(animation.mTicksPerSecond);
    // The range test also rejects NaN, and keeps the conversion to int defined.
    if (rate >= 1.0 && rate <= static_cast<double>(std::numeric_limits<std::int32_t>::max()))
        return static_cast<std::int32_t>(rate);
    printLine("Animation has no usable tick rate, playing it at " + std::to_string(FallbackTicksPerSecond) +
              " ticks per second: " + source);
    return FallbackTicksPerSecond;
}

float readDuration(const aiAnimation& animation, const std::string& source)
{
    const float duration = static_cast<float>(animation.mDuration);
    if (duration > 0.0f && std::isfinite(duration))
        return duration;
    printLine("Animation has no length, showing its first pose: " + source);
    return 0.0f;
}
