// The player's clock and the node walk, on clips built by hand.
#include <cmath>
#include <limits>
#include <vector>

#include <gtest/gtest.h>
#include <glm/gtc/matrix_transform.hpp>

#include "scene/animation/animation_player.h"

namespace {

const glm::mat4 Identity(1.0f);

BoneTrack stillTrack(const std::string& name, const glm::vec3& position)
{
    BoneTrack track;
    track.name = name;
    track.positions = {{position, 0.0f}};
    track.rotations = {{glm::quat(1.0f, 0.0f, 0.0f, 0.0f), 0.0f}};
    track.scales = {{glm::vec3(1.0f), 0.0f}};
    return track;
}

SkeletonNode node(const std::string& name, const glm::mat4& transformation)
{
    SkeletonNode result;
    result.name = name;
    result.transformation = transformation;
    return result;
}

// Root (file matrix T(1,0,0)) -> Arm (animated) -> Hand (bound, no track).
AnimationClip armClip()
{
    AnimationClip clip;
    clip.isPlayable = true;
    clip.ticksPerSecond = 24;
    clip.duration = 48.0f;
    clip.rootNode = node("Root", glm::translate(Identity, {1.0f, 0.0f, 0.0f}));
    SkeletonNode arm = node("Arm", glm::translate(Identity, {50.0f, 50.0f, 50.0f}));
    arm.children.push_back(node("Hand", glm::scale(Identity, {2.0f, 2.0f, 2.0f})));
    clip.rootNode.children.push_back(arm);
    clip.tracks.push_back(stillTrack("Arm", {0.0f, 2.0f, 0.0f}));
    clip.boneBindings["Arm"] = BoneBinding{3, glm::translate(Identity, {0.0f, 0.0f, -1.0f})};
    clip.boneBindings["Hand"] = BoneBinding{7, glm::translate(Identity, {0.0f, -4.0f, 0.0f})};
    clip.linkNodes();
    return clip;
}

void expectMatrixNear(const glm::mat4& actual, const glm::mat4& expected)
{
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 4; ++r)
            EXPECT_NEAR(actual[c][r], expected[c][r], 1e-5f) << "column " << c << " row " << r;
}

TEST(AnimationPlayer, StartsAtZeroWithOneHundredIdentities)
{
    AnimationClip clip = armClip();
    const AnimationPlayer player(&clip);
    ASSERT_EQ(player.finalBoneMatrices.size(), 100u);
    for (const glm::mat4& m : player.finalBoneMatrices)
        EXPECT_EQ(m, Identity);
    EXPECT_EQ(player.currentTime, 0.0f);
}

TEST(AnimationPlayer, TwoAndAHalfSecondsAt24TicksWrapTo12)
{
    AnimationClip clip = armClip();
    AnimationPlayer oneFrame(&clip);
    oneFrame.advance(2.5f);
    EXPECT_FLOAT_EQ(oneFrame.currentTime, 12.0f);

    AnimationPlayer manyFrames(&clip);
    for (int frame = 0; frame < 150; ++frame)
        manyFrames.advance(1.0f / 60.0f);
    EXPECT_NEAR(manyFrames.currentTime, 12.0f, 1e-3f);
    EXPECT_FLOAT_EQ(manyFrames.deltaTime, 1.0f / 60.0f);
}

TEST(AnimationPlayer, NegativeDeltaKeepsTheDividendsSign)
{
    AnimationClip clip = armClip();
    AnimationPlayer player(&clip);
    player.advance(-2.5f);
    EXPECT_FLOAT_EQ(player.currentTime, -12.0f);
}

TEST(AnimationPlayer, BoundNodeWithoutTrackGetsParentTimesFileMatrixTimesOffset)
{
    AnimationClip clip = armClip();
    AnimationPlayer player(&clip);
    player.advance(0.1f);
    const glm::mat4 armGlobal =
        glm::translate(Identity, {1.0f, 0.0f, 0.0f}) * glm::translate(Identity, {0.0f, 2.0f, 0.0f});
    expectMatrixNear(player.finalBoneMatrices[3], armGlobal * clip.boneBindings["Arm"].offset);
    expectMatrixNear(player.finalBoneMatrices[7],
                     armGlobal * glm::scale(Identity, {2.0f, 2.0f, 2.0f}) * clip.boneBindings["Hand"].offset);
    EXPECT_EQ(player.finalBoneMatrices[0], Identity) << "unreached entries keep their value";
}

TEST(AnimationPlayer, CopyTakenBeforeAdvanceLagsOneFrame)
{
    AnimationClip clip = armClip();
    clip.tracks[0].positions.push_back({{0.0f, 10.0f, 0.0f}, 48.0f});
    AnimationPlayer player(&clip);

    const std::vector<glm::mat4> firstUpload = player.copyBoneMatrices();
    player.advance(0.5f);
    const std::vector<glm::mat4> afterFirst = player.finalBoneMatrices;
    const std::vector<glm::mat4> secondUpload = player.copyBoneMatrices();
    player.advance(0.5f);

    EXPECT_EQ(firstUpload[3], Identity);
    EXPECT_EQ(secondUpload, afterFirst);
    EXPECT_NE(player.finalBoneMatrices[3], secondUpload[3]);
}

TEST(AnimationPlayer, FirstTrackOfARepeatedNameDrivesTheNode)
{
    AnimationClip clip = armClip();
    clip.tracks.push_back(stillTrack("Arm", {0.0f, 99.0f, 0.0f}));
    clip.linkNodes();
    AnimationPlayer player(&clip);
    player.advance(0.1f);
    EXPECT_NEAR(player.finalBoneMatrices[3][3].y, 2.0f, 1e-5f);
    EXPECT_EQ(clip.findTrack("Arm"), &clip.tracks[0]);
    EXPECT_EQ(clip.findTrack("Leg"), nullptr);
}

struct GuardCase {
    const char* name;
    float duration;
    float dt;
};

class PlayerClockGuard : public ::testing::TestWithParam<GuardCase> {};

TEST_P(PlayerClockGuard, ClockStaysAtZeroAndMatricesStayFinite)
{
    AnimationClip clip = armClip();
    clip.duration = GetParam().duration;
    AnimationPlayer player(&clip);
    player.advance(GetParam().dt);
    EXPECT_EQ(player.currentTime, 0.0f);
    for (const glm::mat4& m : player.finalBoneMatrices)
        for (int c = 0; c < 4; ++c)
            for (int r = 0; r < 4; ++r)
                ASSERT_TRUE(std::isfinite(m[c][r]));
}

INSTANTIATE_TEST_SUITE_P(
    Clock, PlayerClockGuard,
    ::testing::Values(GuardCase{"ZeroDuration", 0.0f, 0.5f},
                      GuardCase{"NaNDelta", 48.0f, std::numeric_limits<float>::quiet_NaN()},
                      GuardCase{"InfiniteDelta", 48.0f, std::numeric_limits<float>::infinity()}),
    [](const ::testing::TestParamInfo<GuardCase>& info) { return std::string(info.param.name); });

TEST(AnimationPlayer, WithoutAPlayableClipOnlyRecordsTheDelta)
{
    AnimationClip refused = armClip();
    refused.isPlayable = false;
    for (AnimationClip* clip : {static_cast<AnimationClip*>(nullptr), &refused}) {
        AnimationPlayer player(clip);
        player.advance(0.75f);
        EXPECT_EQ(player.deltaTime, 0.75f);
        EXPECT_EQ(player.currentTime, 0.0f);
        EXPECT_EQ(player.finalBoneMatrices, std::vector<glm::mat4>(100, Identity));
    }
}

TEST(AnimationPlayer, BindingsOutsideTheMatricesAreNeverWritten)
{
    AnimationClip clip = armClip();
    clip.boneBindings["Hand"].id = 100;
    clip.boneBindings["Arm"].id = -1;
    clip.linkNodes();
    AnimationPlayer player(&clip);
    player.advance(0.1f);
    EXPECT_EQ(player.finalBoneMatrices, std::vector<glm::mat4>(100, Identity));
}

TEST(BoneTrack, LocalTransformIsTranslationRotationScale)
{
    BoneTrack track;
    track.positions = {{{1.0f, 2.0f, 3.0f}, 0.0f}};
    track.rotations = {{glm::angleAxis(glm::radians(90.0f), glm::vec3(0.0f, 0.0f, 1.0f)), 0.0f}};
    track.scales = {{{2.0f, 1.0f, 1.0f}, 0.0f}};
    track.updateLocalTransform(5.0f);
    // The x axis is scaled by 2, then turned onto +y, then moved.
    const glm::vec4 tip = track.localTransform * glm::vec4(1.0f, 0.0f, 0.0f, 1.0f);
    EXPECT_NEAR(tip.x, 1.0f, 1e-5f);
    EXPECT_NEAR(tip.y, 4.0f, 1e-5f);
    EXPECT_NEAR(tip.z, 3.0f, 1e-5f);
}

}  // namespace
