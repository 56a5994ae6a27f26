// Reading clips from small glTF files written by the test, and refusing bad ones.
#include <filesystem>
#include <string>
#include <vector>

#include <assimp/Importer.hpp>
#include <assimp/postprocess.h>
#include <assimp/scene.h>
#include <gtest/gtest.h>
#include <glm/gtc/matrix_transform.hpp>

#include "gltf_writer.h"
#include "support/scratch_folder.h"
#include "scene/animation/animation_player.h"
#include "name_walk.h"

namespace {

const glm::mat4 Identity(1.0f);

// Armature -> Hip (animated: position, rotation, scale) -> Knee (animated: rotation)
// -> Foot (not animated). The file's clock is seconds; the importer's is milliseconds.
GltfFile legFile()
{
    GltfFile file;
    file.nodes = {{"Armature", {0.0f, 0.0f, 0.0f}, {1, 0, 0, 0}, glm::vec3(1.0f), {1}},
                  {"Hip", {0.0f, 1.0f, 0.0f}, {1, 0, 0, 0}, glm::vec3(1.0f), {2}},
                  {"Knee", {0.0f, 0.5f, 0.0f}, {1, 0, 0, 0}, glm::vec3(1.0f), {3}},
                  {"Foot", {0.0f, 0.0f, 0.25f}, {1, 0, 0, 0}, glm::vec3(2.0f), {}}};
    file.channels = {
        {1, "translation", {0.0f, 1.0f, 2.0f}, {0, 1, 0, 0, 3, 0, 0, 1, 0}},
        {1, "rotation", {0.0f, 2.0f}, {0, 0, 0, 1, 0, 0.7071068f, 0, 0.7071068f}},
        {1, "scale", {0.0f, 2.0f}, {1, 1, 1, 1, 1, 1}},
        {2, "rotation", {0.0f, 1.0f, 2.0f}, {0, 0, 0, 1, 0.3826834f, 0, 0, 0.9238795f, 0, 0, 0, 1}},
    };
    return file;
}

class ClipFileTest : public ::testing::Test {
protected:
    const ScratchFolder folder{"korvel-anim"};

    std::string write(const GltfFile& file)
    {
        const std::string path = folder.path("clip.gltf");
        writeGltf(file, path);
        return path;
    }

    // A model whose import found two bones influencing vertices.
    static Model skinnedModel()
    {
        Model model;
        model.boneBindings["Hip"] = {0, glm::translate(Identity, {0.0f, -1.0f, 0.0f})};
        model.boneBindings["Foot"] = {1, glm::translate(Identity, {0.0f, -1.5f, -0.25f})};
        model.boneCount = 2;
        return model;
    }
};

TEST_F(ClipFileTest, ReadsTimingTracksAndTreeFromTheFile)
{
    Model model = skinnedModel();
    AnimationClip clip(write(legFile()), model);
    ASSERT_TRUE(clip.isPlayable);
    EXPECT_EQ(clip.ticksPerSecond, 1000);
    EXPECT_FLOAT_EQ(clip.duration, 2000.0f);
    ASSERT_EQ(clip.tracks.size(), 2u);
    ASSERT_NE(clip.findTrack("Hip"), nullptr);
    const BoneTrack& hip = *clip.findTrack("Hip");
    EXPECT_EQ(hip.id, 0);
    ASSERT_EQ(hip.positionCount, 3);
    EXPECT_FLOAT_EQ(hip.positions[1].timeStamp, 1000.0f);
    EXPECT_EQ(hip.positions[1].position, glm::vec3(0.0f, 3.0f, 0.0f));
    EXPECT_NEAR(hip.rotations[1].orientation.w, 0.7071068f, 1e-6f);
    EXPECT_NEAR(hip.rotations[1].orientation.y, 0.7071068f, 1e-6f);
    ASSERT_NE(clip.findTrack("Knee"), nullptr);
    EXPECT_EQ(clip.findTrack("Knee")->rotationCount, 3);
}

TEST_F(ClipFileTest, TracksFollowTheImportersChannelOrder)
{
    const std::string path = write(legFile());
    Assimp::Importer importer;
    const aiScene* scene = importer.ReadFile(path, aiProcess_Triangulate);
    ASSERT_NE(scene, nullptr);
    ASSERT_GE(scene->mNumAnimations, 1u);
    const aiAnimation& animation = *scene->mAnimations[0];

    Model model = skinnedModel();
    AnimationClip clip(path, model);
    ASSERT_EQ(clip.tracks.size(), animation.mNumChannels);
    int nextNewId = 2;
    for (unsigned i = 0; i < animation.mNumChannels; ++i) {
        const aiNodeAnim& channel = *animation.mChannels[i];
        const BoneTrack& track = clip.tracks[i];
        EXPECT_EQ(track.name, channel.mNodeName.C_Str());
        EXPECT_EQ(track.positionCount, static_cast<int>(channel.mNumPositionKeys));
        EXPECT_EQ(track.rotationCount, static_cast<int>(channel.mNumRotationKeys));
        EXPECT_EQ(track.scaleCount, static_cast<int>(channel.mNumScalingKeys));
        // New names are numbered in channel order after the model's own bones.
        const bool isNew = track.name != "Hip" && track.name != "Foot";
        EXPECT_EQ(track.id, isNew ? nextNewId++ : model.boneBindings[track.name].id);
    }
}

TEST_F(ClipFileTest, NodeMatricesAreColumnMajor)
{
    Model model = skinnedModel();
    AnimationClip clip(write(legFile()), model);
    const SkeletonNode* node = &clip.rootNode;
    while (node->name != "Foot") {
        ASSERT_EQ(node->childCount, 1) << node->name;
        ASSERT_EQ(node->children.size(), 1u);
        node = &node->children[0];
    }
    const glm::mat4 expected = glm::scale(glm::translate(Identity, {0.0f, 0.0f, 0.25f}), glm::vec3(2.0f));
    EXPECT_EQ(node->transformation, expected);
}

TEST_F(ClipFileTest, BonesOnlyTheAnimationNamesJoinTheModelWithZeroOffset)
{
    Model model = skinnedModel();
    AnimationClip clip(write(legFile()), model);
    ASSERT_EQ(model.boneCount, 3);
    ASSERT_EQ(model.boneBindings.count("Knee"), 1u);
    EXPECT_EQ(model.boneBindings["Knee"].id, 2);
    EXPECT_EQ(model.boneBindings["Knee"].offset, glm::mat4(0.0f));
    EXPECT_EQ(model.boneBindings["Hip"].id, 0);
    EXPECT_EQ(clip.findTrack("Knee")->id, 2);
    ASSERT_EQ(clip.boneBindings.size(), model.boneBindings.size());
    for (const auto& [name, binding] : model.boneBindings) {
        EXPECT_EQ(clip.boneBindings[name].id, binding.id) << name;
        EXPECT_EQ(clip.boneBindings[name].offset, binding.offset) << name;
    }
}

TEST_F(ClipFileTest, LinkedWalkMatchesTheWalkByName)
{
    Model model = skinnedModel();
    AnimationClip clip(write(legFile()), model);
    AnimationPlayer player(&clip);
    for (float dt : {0.0f, 0.25f, 0.5f, 0.75f, 0.6f, 1.3f}) {
        player.advance(dt);
        std::vector<glm::mat4> expected(100, Identity);
        walkByName(clip, player.currentTime, clip.rootNode, Identity, expected);
        ASSERT_EQ(player.finalBoneMatrices, expected) << "time " << player.currentTime;
    }
    EXPECT_EQ(player.finalBoneMatrices[2], glm::mat4(0.0f)) << "zero offset, zero matrix";
}

class ClipRefusal : public ClipFileTest {
protected:
    // Loads `path` into a model and checks the refusal left everything inert.
    void expectRefused(const std::string& path, Model model, const std::string& reason)
    {
        const auto before = model.boneBindings;
        const int countBefore = model.boneCount;
        ::testing::internal::CaptureStdout();
        AnimationClip clip(path, model);
        const std::string output = ::testing::internal::GetCapturedStdout();
        EXPECT_NE(output.find(reason), std::string::npos) << output;
        EXPECT_FALSE(clip.isPlayable);
        EXPECT_TRUE(clip.tracks.empty());
        EXPECT_EQ(model.boneCount, countBefore);
        EXPECT_EQ(model.boneBindings.size(), before.size());
        AnimationPlayer player(&clip);
        player.advance(0.5f);
        EXPECT_EQ(player.finalBoneMatrices, std::vector<glm::mat4>(100, Identity));
    }
};

TEST_F(ClipRefusal, FileThatCannotBeImported)
{
    expectRefused(folder.path("missing.gltf"), skinnedModel(), "could not be imported");
}

TEST_F(ClipRefusal, FileWithoutAnimation)
{
    GltfFile file = legFile();
    file.channels.clear();
    expectRefused(write(file), skinnedModel(), "has no animation");
}

TEST_F(ClipRefusal, BoneIdsOfOneHundredOrMore)
{
    // 99 bones already: of the animation's two new bones the second would get id 100.
    Model model;
    for (int i = 0; i < 99; ++i)
        model.boneBindings["bone" + std::to_string(i)] = {i, Identity};
    model.boneCount = 99;
    expectRefused(write(legFile()), model, "has id 100 but only 100 bone matrices exist");
}

TEST_F(ClipRefusal, ModelBoneIdOutsideTheMatrices)
{
    Model model = skinnedModel();
    model.boneBindings["Foot"].id = 250;
    expectRefused(write(legFile()), model, "Foot has id 250");
}

}  // namespace
