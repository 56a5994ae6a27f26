// The game's own skeleton file: its clip must fit the player's limits and move.
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>

#include <assimp/Importer.hpp>
#include <assimp/postprocess.h>
#include <assimp/scene.h>
#include <gtest/gtest.h>
#include "support/skip_or_fail.h"

#include "scene/animation/animation_player.h"

namespace {

const std::string SkeletonPath =
    std::string(KORVEL_PROJECT_DIR) + "/assets/geometry/magicSkeleton/scene.gltf";

// A matrix entry changed by more than this counts as a visible movement.
constexpr float MovedThreshold = 1e-3f;

glm::mat4 columnMajor(const aiMatrix4x4& m)
{
    return glm::transpose(glm::mat4(m.a1, m.a2, m.a3, m.a4, m.b1, m.b2, m.b3, m.b4, m.c1, m.c2, m.c3, m.c4,
                                    m.d1, m.d2, m.d3, m.d4));
}

// The bone table as the model import fills it: bones in mesh order, new names
// get the next id, offsets transposed into column-major order.
Model modelShell(const std::string& path)
{
    Model model;
    Assimp::Importer importer;
    const aiScene* scene = importer.ReadFile(path, aiProcess_Triangulate);
    if (scene == nullptr)
        return model;
    for (unsigned m = 0; m < scene->mNumMeshes; ++m) {
        const aiMesh& mesh = *scene->mMeshes[m];
        for (unsigned b = 0; b < mesh.mNumBones; ++b) {
            const std::string name = mesh.mBones[b]->mName.C_Str();
            if (model.boneBindings.count(name) == 0)
                model.boneBindings[name] = {model.boneCount++, columnMajor(mesh.mBones[b]->mOffsetMatrix)};
        }
    }
    return model;
}

TEST(SkeletonAsset, ClipFitsThePlayerAndMoves)
{
    if (!std::filesystem::exists(SkeletonPath))
        SKIP_OR_FAIL("no skeleton asset yet at " << SkeletonPath);
    Model model = modelShell(SkeletonPath);
    const int importedBones = model.boneCount;
    AnimationClip clip(SkeletonPath, model);
    ASSERT_TRUE(clip.isPlayable);
    EXPECT_EQ(clip.ticksPerSecond, 1000);
    EXPECT_FLOAT_EQ(clip.duration, 2000.0f);
    EXPECT_GT(importedBones, 0);
    ASSERT_FALSE(clip.tracks.empty());
    for (const BoneTrack& track : clip.tracks) {
        EXPECT_GE(track.positionCount, 1) << track.name;
        EXPECT_GE(track.rotationCount, 1) << track.name;
        EXPECT_GE(track.scaleCount, 1) << track.name;
        EXPECT_GE(track.id, 0) << track.name;
        EXPECT_LT(track.id, MaxBones) << track.name;
    }
    EXPECT_LE(model.boneCount, MaxBones);

    // In bind pose every skinning bone's matrix is the identity, which is also what
    // the player starts with; one second in, some skinning bone must have moved.
    AnimationPlayer player(&clip);
    player.advance(1.0f);
    EXPECT_FLOAT_EQ(player.currentTime, 1000.0f);
    float largestChange = 0.0f;
    for (int id = 0; id < std::min(importedBones, MaxBones); ++id)
        for (int c = 0; c < 4; ++c)
            for (int r = 0; r < 4; ++r)
                largestChange = std::max(
                    largestChange, std::fabs(player.finalBoneMatrices[id][c][r] - (c == r ? 1.0f : 0.0f)));
    EXPECT_GT(largestChange, MovedThreshold);
}

}  // namespace
