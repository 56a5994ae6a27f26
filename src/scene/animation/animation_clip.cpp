#include "scene/animation/animation_clip.h"

#include <assimp/Importer.hpp>
#include <assimp/postprocess.h>
#include <assimp/scene.h>

#include "framework/console.h"
#include "scene/animation/clip_import.h"
#include "scene/model_check/checked_import.h"

AnimationClip::AnimationClip(const std::string& path, Model& model)
{
    // The importer owns the scene; both go away when this constructor returns.
    Assimp::Importer importer;
    std::string error;
    const aiScene* scene = importCheckedScene(importer, path, aiProcess_Triangulate, error);
    if (scene == nullptr) {
        printLine("Animation refused, the file could not be imported: " + path + " (" + error + ")");
        return;
    }
    readScene(*scene, model, path);
}

AnimationClip::AnimationClip(const aiScene& scene, Model& model, const std::string& source)
{
    readScene(scene, model, source);
}

void AnimationClip::readScene(const aiScene& scene, Model& model, const std::string& source)
{
    if (scene.mNumAnimations == 0 || scene.mAnimations == nullptr || scene.mAnimations[0] == nullptr ||
        scene.mRootNode == nullptr) {
        printLine("Animation refused, the file has no animation: " + source);
        return;
    }
    const aiAnimation& animation = *scene.mAnimations[0];
    if (!checkChannelKeys(animation, source))
        return;
    ExtendedBoneTable table = extendBoneTable(animation, model);
    if (!checkBoneIds(table, source))
        return;

    duration = readDuration(animation, source);
    ticksPerSecond = readTicksPerSecond(animation, source);
    rootNode = readNodeTree(*scene.mRootNode);
    tracks = readTracks(animation, table.bindings);
    model.boneBindings = std::move(table.bindings);
    model.boneCount = table.boneCount;
    boneBindings = model.boneBindings;
    linkNodes();
    isPlayable = true;
}

BoneTrack* AnimationClip::findTrack(const std::string& name)
{
    for (BoneTrack& track : tracks) {
        if (track.name == name)
            return &track;
    }
    return nullptr;
}

void AnimationClip::linkNodes()
{
    linkNode(rootNode);
}

void AnimationClip::linkNode(SkeletonNode& node)
{
    const BoneTrack* track = findTrack(node.name);
    node.trackIndex = track ? static_cast<std::int32_t>(track - tracks.data()) : -1;
    const auto binding = boneBindings.find(node.name);
    if (binding != boneBindings.end() && binding->second.id >= 0 && binding->second.id < MaxBones) {
        node.boneId = binding->second.id;
        node.boneOffset = binding->second.offset;
    } else {
        node.boneId = -1;
        node.boneOffset = glm::mat4(1.0f);
    }
    for (SkeletonNode& child : node.children)
        linkNode(child);
}
