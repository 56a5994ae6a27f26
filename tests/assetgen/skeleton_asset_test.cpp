// The skeleton glTF as the game sees it: a capsule that the controller accepts,
// feet drawn on the floor, a raw mesh hidden under the floor, weights that sum to 1,
// and an animation whose tracks the player can always interpolate.
#include "support/test_files.h"

#include <assimp/Importer.hpp>
#include <assimp/postprocess.h>
#include <assimp/scene.h>
#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

constexpr unsigned LoaderFlags =
    aiProcess_Triangulate | aiProcess_GenSmoothNormals | aiProcess_FlipUVs | aiProcess_CalcTangentSpace;
constexpr double StepOffset = 0.5, ContactOffset = 0.1, DrawnBelowCentre = 2.3;
constexpr double FirstFrameOriginY = 3.0 - DrawnBelowCentre;  // identity bones at the start position
constexpr double FloorY = 1.0;

class SkeletonAsset : public testing::Test {
protected:
    void SetUp() override
    {
        scene = importer.ReadFile(sourceTreePath("assets/geometry/magicSkeleton/scene.gltf"), LoaderFlags);
        ASSERT_NE(scene, nullptr) << importer.GetErrorString();
        lo = aiVector3D(1e9f), hi = aiVector3D(-1e9f);
        for (unsigned m = 0; m < scene->mNumMeshes; ++m)
            for (unsigned v = 0; v < scene->mMeshes[m]->mNumVertices; ++v) {
                const aiVector3D& p = scene->mMeshes[m]->mVertices[v];
                lo = aiVector3D(std::min(lo.x, p.x), std::min(lo.y, p.y), std::min(lo.z, p.z));
                hi = aiVector3D(std::max(hi.x, p.x), std::max(hi.y, p.y), std::max(hi.z, p.z));
            }
    }
    const aiNode* node(const char* name) const { return scene->mRootNode->FindNode(name); }

    Assimp::Importer importer;
    const aiScene* scene = nullptr;
    aiVector3D lo, hi;
};

}  // namespace

TEST_F(SkeletonAsset, CapsuleIsValidAndFeetStandOnTheFloor)
{
    const double radius = (hi.x - lo.x) / 3.0 * 0.1, height = (hi.y - lo.y) * 0.15;
    EXPECT_GE(height + 2 * radius, StepOffset);
    EXPECT_LT(radius + height / 2, 1.9);  // starts clear of floor and ceiling
    const aiNode* root = node("SkeletonRoot");
    ASSERT_NE(root, nullptr);
    aiVector3D scale, position;
    aiQuaternion rotation;
    root->mTransformation.Decompose(scale, rotation, position);
    const double restOrigin = FloorY + ContactOffset + radius + height / 2 - DrawnBelowCentre;
    EXPECT_NEAR(restOrigin + position.y + scale.y * lo.y, FloorY, 1e-4);
    const double drawnHeight = scale.y * (hi.y - lo.y);
    EXPECT_NEAR(drawnHeight, 2 * (radius + height / 2) + 0.2, 1e-4);
}

TEST_F(SkeletonAsset, FirstFrameRawMeshStaysBelowTheFloor)
{
    EXPECT_LT(FirstFrameOriginY + hi.y, FloorY - 1.0);
}

TEST_F(SkeletonAsset, WeightsSumToOneWithAtMostFourInfluences)
{
    bool sawFourInfluences = false;
    for (unsigned m = 0; m < scene->mNumMeshes; ++m) {
        const aiMesh* mesh = scene->mMeshes[m];
        ASSERT_LT(mesh->mNumBones, 100u);
        std::map<unsigned, std::pair<double, int>> perVertex;
        for (unsigned b = 0; b < mesh->mNumBones; ++b)
            for (unsigned w = 0; w < mesh->mBones[b]->mNumWeights; ++w) {
                const aiVertexWeight& vw = mesh->mBones[b]->mWeights[w];
                perVertex[vw.mVertexId].first += vw.mWeight;
                if (vw.mWeight > 0)
                    perVertex[vw.mVertexId].second += 1;
            }
        ASSERT_EQ(perVertex.size(), mesh->mNumVertices) << "mesh " << m;
        for (const auto& [vertex, sum] : perVertex) {
            EXPECT_NEAR(sum.first, 1.0, 1e-5) << "mesh " << m << " vertex " << vertex;
            EXPECT_LE(sum.second, 4);
            sawFourInfluences = sawFourInfluences || sum.second == 4;
        }
        // Vertex 0 takes its real weight from the first bone, joint 0.
        ASSERT_GT(mesh->mNumBones, 0u);
        EXPECT_STREQ(mesh->mBones[0]->mName.C_Str(), "Hips");
        bool vertexZeroOnHips = false;
        for (unsigned w = 0; w < mesh->mBones[0]->mNumWeights; ++w)
            vertexZeroOnHips |=
                mesh->mBones[0]->mWeights[w].mVertexId == 0 && mesh->mBones[0]->mWeights[w].mWeight == 1.0f;
        EXPECT_TRUE(vertexZeroOnHips) << "mesh " << m;
    }
    EXPECT_TRUE(sawFourInfluences);
}

TEST_F(SkeletonAsset, EveryJointWeightsSomeBoneVertex)
{
    const aiMesh* bone = scene->mMeshes[0];
    std::set<std::string> weighted;
    for (unsigned b = 0; b < bone->mNumBones; ++b)
        for (unsigned w = 0; w < bone->mBones[b]->mNumWeights; ++w)
            if (bone->mBones[b]->mWeights[w].mWeight > 0)
                weighted.insert(bone->mBones[b]->mName.C_Str());
    EXPECT_EQ(weighted.size(), 20u);
}

TEST_F(SkeletonAsset, AnimationLoopsWithAllThreeKindsOnEveryTrack)
{
    ASSERT_EQ(scene->mNumAnimations, 1u);
    const aiAnimation* clip = scene->mAnimations[0];
    EXPECT_DOUBLE_EQ(clip->mTicksPerSecond, 1000.0);
    EXPECT_DOUBLE_EQ(clip->mDuration, 2000.0);
    bool sawSingleKeyTrack = false;
    for (unsigned c = 0; c < clip->mNumChannels; ++c) {
        const aiNodeAnim* track = clip->mChannels[c];
        SCOPED_TRACE(track->mNodeName.C_Str());
        ASSERT_GT(track->mNumPositionKeys, 0u);
        ASSERT_GT(track->mNumRotationKeys, 0u);
        ASSERT_GT(track->mNumScalingKeys, 0u);
        sawSingleKeyTrack |=
            track->mNumPositionKeys == 1 && track->mNumRotationKeys == 1 && track->mNumScalingKeys == 1;
        EXPECT_NE(std::string(track->mNodeName.C_Str()), "Hips");  // the feet stay planted
        if (track->mNumRotationKeys > 1) {
            EXPECT_DOUBLE_EQ(track->mRotationKeys[0].mTime, 0.0);
            EXPECT_DOUBLE_EQ(track->mRotationKeys[track->mNumRotationKeys - 1].mTime, 2000.0);
            EXPECT_TRUE(track->mRotationKeys[0].mValue ==
                        track->mRotationKeys[track->mNumRotationKeys - 1].mValue);
        }
        for (unsigned k = 1; k < track->mNumRotationKeys; ++k) {
            const aiQuaternion& a = track->mRotationKeys[k - 1].mValue;
            const aiQuaternion& b = track->mRotationKeys[k].mValue;
            EXPECT_GT(a.x * b.x + a.y * b.y + a.z * b.z + a.w * b.w, 0.0f) << "key " << k;
        }
    }
    EXPECT_TRUE(sawSingleKeyTrack);
}
