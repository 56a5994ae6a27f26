// Clips read from scenes built in memory: cases a glTF file cannot express
// (a channel without keys of one kind, a missing tick rate, a zero length).
#include <string>
#include <vector>

#include <assimp/scene.h>
#include <gtest/gtest.h>

#include "scene/animation/animation_player.h"

namespace {

struct KindCounts {
    unsigned positions = 1;
    unsigned rotations = 1;
    unsigned scales = 1;
};

aiNodeAnim* channel(const char* name, KindCounts counts)
{
    auto* result = new aiNodeAnim;
    result->mNodeName = aiString(name);
    result->mNumPositionKeys = counts.positions;
    result->mPositionKeys = counts.positions ? new aiVectorKey[counts.positions] : nullptr;
    result->mNumRotationKeys = counts.rotations;
    result->mRotationKeys = counts.rotations ? new aiQuatKey[counts.rotations] : nullptr;
    result->mNumScalingKeys = counts.scales;
    result->mScalingKeys = counts.scales ? new aiVectorKey[counts.scales] : nullptr;
    for (unsigned i = 0; i < counts.scales; ++i)
        result->mScalingKeys[i].mValue = aiVector3D(1.0f, 1.0f, 1.0f);
    return result;
}

// Root -> Bone, one animation with one channel on Bone. aiScene frees it all.
void fillScene(aiScene& scene, KindCounts counts, double ticksPerSecond, double duration)
{
    scene.mRootNode = new aiNode("Root");
    auto* bone = new aiNode("Bone");
    scene.mRootNode->addChildren(1, &bone);
    auto* animation = new aiAnimation;
    animation->mTicksPerSecond = ticksPerSecond;
    animation->mDuration = duration;
    animation->mNumChannels = 1;
    animation->mChannels = new aiNodeAnim* [1] { channel("Bone", counts) };
    scene.mNumAnimations = 1;
    scene.mAnimations = new aiAnimation* [1] { animation };
}

struct EmptyKindCase {
    const char* name;
    KindCounts counts;
    const char* reason;
};

class EmptyKind : public ::testing::TestWithParam<EmptyKindCase> {};

TEST_P(EmptyKind, IsRefusedAndLeavesTheModelAlone)
{
    aiScene scene;
    fillScene(scene, GetParam().counts, 24.0, 48.0);
    Model model;
    ::testing::internal::CaptureStdout();
    AnimationClip clip(scene, model, "memory");
    const std::string output = ::testing::internal::GetCapturedStdout();
    EXPECT_NE(output.find(GetParam().reason), std::string::npos) << output;
    EXPECT_FALSE(clip.isPlayable);
    EXPECT_EQ(model.boneCount, 0);
    EXPECT_TRUE(model.boneBindings.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, EmptyKind,
    ::testing::Values(EmptyKindCase{"NoPositions", {0, 1, 1}, "Bone has no position keys"},
                      EmptyKindCase{"NoRotations", {1, 0, 1}, "Bone has no rotation keys"},
                      EmptyKindCase{"NoScales", {1, 1, 0}, "Bone has no scale keys"}),
    [](const ::testing::TestParamInfo<EmptyKindCase>& info) { return std::string(info.param.name); });

struct TimingCase {
    const char* name;
    double fileTicksPerSecond;
    double fileDuration;
    int ticksPerSecond;
    float duration;
    bool printsNotice;
};

class ClipTiming : public ::testing::TestWithParam<TimingCase> {};

TEST_P(ClipTiming, TruncatesOrFallsBack)
{
    const TimingCase& c = GetParam();
    aiScene scene;
    fillScene(scene, {}, c.fileTicksPerSecond, c.fileDuration);
    Model model;
    ::testing::internal::CaptureStdout();
    AnimationClip clip(scene, model, "memory");
    const std::string output = ::testing::internal::GetCapturedStdout();
    ASSERT_TRUE(clip.isPlayable);
    EXPECT_EQ(clip.ticksPerSecond, c.ticksPerSecond);
    EXPECT_FLOAT_EQ(clip.duration, c.duration);
    EXPECT_EQ(output.empty(), !c.printsNotice) << output;

    AnimationPlayer player(&clip);
    player.advance(0.7f);
    EXPECT_GE(player.currentTime, 0.0f);
    EXPECT_TRUE(c.duration == 0.0f ? player.currentTime == 0.0f : player.currentTime < c.duration);
}

INSTANTIATE_TEST_SUITE_P(
    Timing, ClipTiming,
    ::testing::Values(TimingCase{"FileRate", 24.0, 48.0, 24, 48.0f, false},
                      TimingCase{"FractionalRateTruncates", 29.97, 100.0, 29, 100.0f, false},
                      TimingCase{"ZeroRateFallsBack", 0.0, 100.0, 25, 100.0f, true},
                      TimingCase{"RateBelowOneFallsBack", 0.5, 100.0, 25, 100.0f, true},
                      TimingCase{"NegativeRateFallsBack", -30.0, 100.0, 25, 100.0f, true},
                      TimingCase{"ZeroLengthIsAStillPose", 24.0, 0.0, 24, 0.0f, true},
                      TimingCase{"NegativeLengthIsAStillPose", 24.0, -5.0, 24, 0.0f, true}),
    [](const ::testing::TestParamInfo<TimingCase>& info) { return std::string(info.param.name); });

TEST(ClipScene, SceneWithoutAnimationIsRefused)
{
    aiScene scene;
    scene.mRootNode = new aiNode("Root");
    Model model;
    ::testing::internal::CaptureStdout();
    AnimationClip clip(scene, model, "memory");
    EXPECT_NE(::testing::internal::GetCapturedStdout().find("no animation"), std::string::npos);
    EXPECT_FALSE(clip.isPlayable);
}

}  // namespace
