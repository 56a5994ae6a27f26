// Frame cost of the skeletal animation: one advance() over a skeleton-sized clip,
// against the same walk done by searching tracks and bones by name at every node.
#include <chrono>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include <glm/gtc/matrix_transform.hpp>

#include "scene/animation/animation_player.h"
#include "../../tests/scene/animation/name_walk.h"

namespace {

constexpr int BoneCount = 60;    // a little more than a humanoid rig
constexpr int KeysPerKind = 60;  // two seconds at 30 keys per second
constexpr int Frames = 20000;
constexpr float FrameSeconds = 1.0f / 60.0f;

BoneTrack makeTrack(const std::string& name, int id)
{
    BoneTrack track;
    track.name = name;
    track.id = id;
    for (int k = 0; k < KeysPerKind; ++k) {
        const float time = 2000.0f * static_cast<float>(k) / (KeysPerKind - 1);
        track.positions.push_back({glm::vec3(0.0f, 0.01f * static_cast<float>(k), 0.0f), time});
        track.rotations.push_back(
            {glm::angleAxis(0.02f * static_cast<float>(k), glm::vec3(0.0f, 0.0f, 1.0f)), time});
        track.scales.push_back({glm::vec3(1.0f), time});
    }
    return track;
}

// A chain of spines with two-bone branches, so the walk recurses like a real rig.
AnimationClip makeClip()
{
    AnimationClip clip;
    clip.isPlayable = true;
    clip.ticksPerSecond = 1000;
    clip.duration = 2000.0f;
    std::vector<SkeletonNode*> parents{&clip.rootNode};
    clip.rootNode.name = "Armature";
    clip.rootNode.children.reserve(BoneCount);
    for (int id = 0; id < BoneCount; ++id) {
        const std::string name = "bone" + std::to_string(id);
        SkeletonNode node;
        node.name = name;
        SkeletonNode* parent = parents[static_cast<std::size_t>(id / 2)];
        parent->children.push_back(node);
        parents.push_back(&parent->children.back());
        parents.back()->children.reserve(2);
        clip.tracks.push_back(makeTrack(name, id));
        clip.boneBindings[name] = BoneBinding{id, glm::mat4(1.0f)};
    }
    clip.linkNodes();
    return clip;
}

template <typename Step>
double microsecondsPerFrame(Step step)
{
    const auto start = std::chrono::steady_clock::now();
    for (int frame = 0; frame < Frames; ++frame)
        step();
    const std::chrono::duration<double, std::micro> elapsed = std::chrono::steady_clock::now() - start;
    return elapsed.count() / Frames;
}

}  // namespace

int main()
{
    AnimationClip clip = makeClip();
    AnimationPlayer player(&clip);
    const double linked = microsecondsPerFrame([&] { player.advance(FrameSeconds); });

    std::vector<glm::mat4> matrices(MaxBones, glm::mat4(1.0f));
    float time = 0.0f;
    const double byName = microsecondsPerFrame([&] {
        time = std::fmod(time + 1000.0f * FrameSeconds, clip.duration);
        walkByName(clip, time, clip.rootNode, glm::mat4(1.0f), matrices);
    });

    std::printf("bones %d, keys per kind %d, frames %d\n", BoneCount, KeysPerKind, Frames);
    std::printf("advance, linked nodes:     %.2f us per frame\n", linked);
    std::printf("walk, name search per node: %.2f us per frame\n", byName);
    std::printf("check value %.3f %.3f\n", player.finalBoneMatrices[BoneCount - 1][3][1],
                matrices[BoneCount - 1][3][1]);
    return 0;
}
