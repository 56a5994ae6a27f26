// The four-slot rule, the model-wide bone table and the limits that keep bone
// ids inside the skinning matrices.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include <assimp/mesh.h>

#include "scene/bone_weights.h"

namespace {

// An aiMesh owning its bones; Assimp's destructor frees mBones and the weights.
struct MeshWithBones {
    aiMesh mesh;

    void addBone(const std::string& name, const std::vector<aiVertexWeight>& weights,
                 const aiMatrix4x4& offset = aiMatrix4x4())
    {
        auto* bone = new aiBone();
        bone->mName = aiString(name);
        bone->mOffsetMatrix = offset;
        bone->mNumWeights = static_cast<unsigned>(weights.size());
        bone->mWeights = new aiVertexWeight[weights.size()];
        std::copy(weights.begin(), weights.end(), bone->mWeights);
        auto** bones = new aiBone*[mesh.mNumBones + 1];
        std::copy(mesh.mBones, mesh.mBones + mesh.mNumBones, bones);
        bones[mesh.mNumBones] = bone;
        delete[] mesh.mBones;
        mesh.mBones = bones;
        ++mesh.mNumBones;
    }
};

TEST(BoneWeights, FifthInfluenceIsDroppedAndKeptWeightsAreNotRenormalised)
{
    MeshWithBones source;
    const float weights[] = {0.3f, 0.25f, 0.2f, 0.15f, 0.1f};
    for (int b = 0; b < 5; ++b)
        source.addBone("bone" + std::to_string(b), {aiVertexWeight(0, weights[b])});
    std::vector<Vertex> vertices(2);
    BoneTable table;
    extractBoneWeights(vertices, source.mesh, table);

    for (int slot = 0; slot < MaxBoneInfluences; ++slot) {
        EXPECT_EQ(vertices[0].boneIds[slot], slot);
        EXPECT_FLOAT_EQ(vertices[0].boneWeights[slot], weights[slot]);
    }
    EXPECT_EQ(table.count, 5);  // the fifth bone is still in the table
    EXPECT_EQ(vertices[1].boneIds[0], -1) << "an untouched vertex keeps its empty slots";
    EXPECT_FLOAT_EQ(vertices[1].boneWeights[0], 0.0f);
}

TEST(BoneWeights, BoneSharedByTwoMeshesKeepsItsIdAndNewBonesContinueTheCount)
{
    MeshWithBones first;
    first.addBone("hip", {aiVertexWeight(0, 1.0f)});
    first.addBone("knee", {aiVertexWeight(1, 1.0f)});
    MeshWithBones second;
    second.addBone("knee", {aiVertexWeight(0, 0.5f)});
    second.addBone("foot", {aiVertexWeight(0, 0.5f)});

    BoneTable table;
    std::vector<Vertex> firstVertices(2);
    std::vector<Vertex> secondVertices(1);
    extractBoneWeights(firstVertices, first.mesh, table);
    extractBoneWeights(secondVertices, second.mesh, table);

    EXPECT_EQ(table.count, 3);
    EXPECT_EQ(table.bindings.at("hip").id, 0);
    EXPECT_EQ(table.bindings.at("knee").id, 1);
    EXPECT_EQ(table.bindings.at("foot").id, 2);
    EXPECT_EQ(secondVertices[0].boneIds[0], 1);
    EXPECT_EQ(secondVertices[0].boneIds[1], 2);
}

TEST(BoneWeights, OffsetMatrixIsTransposedIntoColumnMajor)
{
    MeshWithBones source;
    aiMatrix4x4 offset;
    offset.a4 = 7.0f;  // row-major translation x
    offset.b4 = 8.0f;
    offset.c4 = 9.0f;
    source.addBone("root", {}, offset);
    std::vector<Vertex> vertices(1);
    BoneTable table;
    extractBoneWeights(vertices, source.mesh, table);
    const glm::mat4& stored = table.bindings.at("root").offset;
    EXPECT_FLOAT_EQ(stored[3][0], 7.0f);
    EXPECT_FLOAT_EQ(stored[3][1], 8.0f);
    EXPECT_FLOAT_EQ(stored[3][2], 9.0f);
    EXPECT_FLOAT_EQ(stored[0][3], 0.0f);
}

TEST(BoneWeights, WeightOutsideTheMeshIsSkippedWithALine)
{
    MeshWithBones source;
    source.addBone("arm", {aiVertexWeight(5, 1.0f), aiVertexWeight(1, 0.75f)});
    std::vector<Vertex> vertices(2);
    BoneTable table;
    testing::internal::CaptureStdout();
    extractBoneWeights(vertices, source.mesh, table);
    const std::string output = testing::internal::GetCapturedStdout();
    EXPECT_EQ(output, "Bone weight ignored, vertex 5 is outside the mesh: arm\n");
    EXPECT_EQ(vertices[1].boneIds[0], 0);
    EXPECT_FLOAT_EQ(vertices[1].boneWeights[0], 0.75f);
}

TEST(BoneWeights, BonesPastTheLimitAreRefusedAndNeverReachAVertex)
{
    MeshWithBones source;
    for (int b = 0; b < MaxBones + 2; ++b)
        source.addBone("b" + std::to_string(b), {aiVertexWeight(b % 3, 0.1f)});
    std::vector<Vertex> vertices(3);
    BoneTable table;
    testing::internal::CaptureStdout();
    extractBoneWeights(vertices, source.mesh, table);
    const std::string output = testing::internal::GetCapturedStdout();

    EXPECT_EQ(table.count, MaxBones);
    EXPECT_EQ(table.bindings.size(), static_cast<std::size_t>(MaxBones));
    EXPECT_EQ(table.bindings.count("b100"), 0u);
    EXPECT_NE(output.find("Bone ignored, a model holds at most 100 bones: b100\n"), std::string::npos);
    EXPECT_NE(output.find("b101\n"), std::string::npos);
    for (const Vertex& vertex : vertices)
        for (int slot = 0; slot < MaxBoneInfluences; ++slot)
            EXPECT_LT(vertex.boneIds[slot], MaxBones);
}

TEST(BoneWeights, AddInfluenceFillsTheFirstEmptySlotOnly)
{
    Vertex vertex;
    vertex.boneIds[0] = 4;
    vertex.boneIds[2] = 6;
    EXPECT_TRUE(addBoneInfluence(vertex, 9, 0.5f));
    EXPECT_EQ(vertex.boneIds[1], 9);
    EXPECT_EQ(vertex.boneIds[3], -1);
    EXPECT_TRUE(addBoneInfluence(vertex, 10, 0.25f));
    EXPECT_FALSE(addBoneInfluence(vertex, 11, 0.25f));
    EXPECT_EQ(vertex.boneIds[3], 10);
}

}  // namespace
