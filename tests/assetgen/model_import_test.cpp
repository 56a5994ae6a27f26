// Imports every committed model the way the game's loader does and checks what
// the importer makes of it: meshes, materials, textures, bones and animations.
#include "support/test_files.h"

#include <assimp/Importer.hpp>
#include <assimp/postprocess.h>
#include <assimp/scene.h>
#include <gtest/gtest.h>

#include <string>

namespace {

constexpr unsigned LoaderFlags =
    aiProcess_Triangulate | aiProcess_GenSmoothNormals | aiProcess_FlipUVs | aiProcess_CalcTangentSpace;

struct ImportCase {
    const char* name;
    const char* path;
    unsigned meshes;
    unsigned diffuseTextures;  // meshes whose material names a diffuse image
    unsigned normalMaps;       // meshes whose material names a normal map
    unsigned bonesInFirstMesh;
    unsigned animations;
    unsigned maxTriangles;  // keeps start-up quick
};

const ImportCase ImportCases[] = {
    {"map", "assets/geometry/map/Map.obj", 6, 3, 1, 0, 0, 4000},
    {"torches", "assets/geometry/torches/Torches.obj", 3, 1, 0, 0, 0, 4000},
    {"door", "assets/geometry/door/Door.obj", 3, 1, 0, 0, 0, 200},
    {"lava", "assets/geometry/lava/Lava.obj", 1, 1, 0, 0, 0, 400},
    {"spider", "assets/geometry/spiders/Spider.obj", 2, 1, 0, 0, 0, 600},
    {"podium", "assets/geometry/podium/Podium.obj", 1, 1, 1, 0, 0, 100},
    {"riddle", "assets/geometry/riddle/Riddle.obj", 2, 1, 0, 0, 0, 50},
    {"skeleton", "assets/geometry/magicSkeleton/scene.gltf", 2, 1, 0, 20, 1, 1500},
};

class ModelImport : public testing::TestWithParam<ImportCase> {};

unsigned countMeshesWith(const aiScene* scene, aiTextureType type)
{
    unsigned count = 0;
    for (unsigned m = 0; m < scene->mNumMeshes; ++m)
        if (aiGetMaterialTextureCount(scene->mMaterials[scene->mMeshes[m]->mMaterialIndex], type) > 0)
            ++count;
    return count;
}

}  // namespace

TEST_P(ModelImport, GivesTheExpectedRecords)
{
    const ImportCase& c = GetParam();
    Assimp::Importer importer;
    const aiScene* scene = importer.ReadFile(sourceTreePath(c.path), LoaderFlags);
    ASSERT_NE(scene, nullptr) << importer.GetErrorString();
    EXPECT_FALSE(scene->mFlags & AI_SCENE_FLAGS_INCOMPLETE);
    EXPECT_EQ(scene->mNumMeshes, c.meshes);
    EXPECT_EQ(countMeshesWith(scene, aiTextureType_DIFFUSE), c.diffuseTextures);
    EXPECT_EQ(countMeshesWith(scene, aiTextureType_NORMALS), c.normalMaps);
    EXPECT_EQ(scene->mMeshes[0]->mNumBones, c.bonesInFirstMesh);
    EXPECT_EQ(scene->mNumAnimations, c.animations);
    unsigned triangles = 0;
    for (unsigned m = 0; m < scene->mNumMeshes; ++m) {
        const aiMesh* mesh = scene->mMeshes[m];
        triangles += mesh->mNumFaces;
        EXPECT_TRUE(mesh->HasTextureCoords(0)) << "mesh " << m;
        aiColor4D colour;
        const aiMaterial* material = scene->mMaterials[mesh->mMaterialIndex];
        EXPECT_EQ(aiGetMaterialColor(material, AI_MATKEY_COLOR_DIFFUSE, &colour), AI_SUCCESS) << "mesh " << m;
    }
    EXPECT_LE(triangles, c.maxTriangles);
}

INSTANTIATE_TEST_SUITE_P(CommittedModels, ModelImport, testing::ValuesIn(ImportCases),
                         [](const testing::TestParamInfo<ImportCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(ModelImport, MapFloorAndPitWallsShareOneImage)
{
    Assimp::Importer importer;
    const aiScene* scene = importer.ReadFile(sourceTreePath("assets/geometry/map/Map.obj"), LoaderFlags);
    ASSERT_NE(scene, nullptr);
    std::string floorImage, pitImage;
    for (unsigned m = 0; m < scene->mNumMaterials; ++m) {
        aiString name, path;
        scene->mMaterials[m]->Get(AI_MATKEY_NAME, name);
        if (aiGetMaterialTexture(scene->mMaterials[m], aiTextureType_DIFFUSE, 0, &path) != AI_SUCCESS)
            continue;
        if (std::string(name.C_Str()) == "floor")
            floorImage = path.C_Str();
        if (std::string(name.C_Str()) == "pit")
            pitImage = path.C_Str();
    }
    EXPECT_EQ(floorImage, "textures/stone.png");
    EXPECT_EQ(pitImage, floorImage);
}
