// Importing OBJ/MTL and glTF files the tests write themselves, without a GPU.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include <assimp/material.h>
#include <assimp/mesh.h>

#include "scene/model_import.h"
#include "support/image_files.h"
#include "support/scratch_folder.h"
#include "support/test_files.h"

namespace {

// Two quads, each its own object with its own material; both name one image.
const char* twoQuadsObj = R"(mtllib quads.mtl
v 0 0 0
v 1 0 0
v 1 1 0
v 0 1 0
v 0 0 1
v 1 0 1
v 1 1 1
v 0 1 1
vn 0 0 1
o first
usemtl stone
f 1//1 2//1 3//1 4//1
o second
usemtl stoneTwo
f 5//1 6//1 7//1 8//1
)";

const char* twoQuadsMtl = R"(newmtl stone
Kd 0.25 0.5 0.75
map_Kd textures/stone.png
norm textures/stone_normal.png
newmtl stoneTwo
Kd 1 1 1
map_Kd textures/stone.png
)";

struct DirectoryCase {
    const char* name;
    std::string path;
    std::string directory;
};

class ModelDirectory : public testing::TestWithParam<DirectoryCase> {};

TEST_P(ModelDirectory, IsThePathUpToItsLastSlash)
{
    EXPECT_EQ(modelDirectory(GetParam().path), GetParam().directory);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, ModelDirectory,
    testing::Values(DirectoryCase{"nested", "assets/geometry/map/Map.obj", "assets/geometry/map"},
                    DirectoryCase{"noSlash", "Map.obj", "Map.obj"}, DirectoryCase{"rootFile", "/Map.obj", ""},
                    DirectoryCase{"backslashIsNoSeparator", "a\\b/c\\Map.obj", "a\\b"}),
    [](const testing::TestParamInfo<DirectoryCase>& info) { return info.param.name; });

TEST(ModelImport, ObjWithoutTextureCoordinatesKeepsZeroUvsAndItsTextures)
{
    ScratchFolder folder;
    writeWholeFile(folder.path("quads/quads.obj"), twoQuadsObj);
    writeWholeFile(folder.path("quads/quads.mtl"), twoQuadsMtl);
    const ImportedModel model = importModelFile(folder.path("quads/quads.obj"));

    ASSERT_TRUE(model.imported);
    EXPECT_EQ(model.directory, folder.path("quads"));
    ASSERT_EQ(model.meshes.size(), 2u);
    const ImportedMesh& first = model.meshes[0];
    EXPECT_EQ(first.vertices.size(), 4u);
    EXPECT_EQ(first.indices.size(), 6u) << "the quad is triangulated";
    for (const Vertex& vertex : first.vertices) {
        EXPECT_EQ(vertex.texCoords, glm::vec2(0.0f));
        EXPECT_FLOAT_EQ(vertex.normal.z, 1.0f);
        EXPECT_EQ(vertex.boneIds[0], -1);
    }
    EXPECT_EQ(first.materialColor, glm::vec3(0.25f, 0.5f, 0.75f));
    ASSERT_EQ(first.textures.size(), 2u);
    EXPECT_EQ(first.textures[0].type, "texture_diffuse");
    EXPECT_EQ(first.textures[0].path, "textures/stone.png");
    EXPECT_EQ(first.textures[1].type, "normalMap");
    EXPECT_EQ(first.textures[1].path, "textures/stone_normal.png");
    ASSERT_EQ(model.meshes[1].textures.size(), 1u);
    EXPECT_EQ(model.meshes[1].textures[0].path, "textures/stone.png");
    EXPECT_EQ(model.bones.count, 0);
}

TEST(ModelImport, MissingFilePrintsTheImporterErrorAndLeavesNoMeshes)
{
    ScratchFolder folder;
    testing::internal::CaptureStdout();
    const ImportedModel model = importModelFile(folder.path("nothing/here.obj"));
    const std::string output = testing::internal::GetCapturedStdout();
    EXPECT_FALSE(model.imported);
    EXPECT_TRUE(model.meshes.empty());
    EXPECT_EQ(output.rfind("ERROR::ASSIMP:: ", 0), 0u) << output;
    EXPECT_EQ(output.back(), '\n');
    EXPECT_EQ(std::count(output.begin(), output.end(), '\n'), 1);
}

TEST(ModelImport, MaterialListsAllDiffuseTexturesBeforeNormalMaps)
{
    aiMaterial material;
    const aiString normal("n.png");
    const aiString diffuseA("a.png");
    const aiString diffuseB("b.png");
    material.AddProperty(&normal, AI_MATKEY_TEXTURE(aiTextureType_NORMALS, 0));
    material.AddProperty(&diffuseA, AI_MATKEY_TEXTURE(aiTextureType_DIFFUSE, 0));
    material.AddProperty(&diffuseB, AI_MATKEY_TEXTURE(aiTextureType_DIFFUSE, 1));
    const std::vector<TextureRequest> textures = readMaterialTextures(material);
    ASSERT_EQ(textures.size(), 3u);
    EXPECT_EQ(textures[0].path, "a.png");
    EXPECT_EQ(textures[1].path, "b.png");
    EXPECT_EQ(textures[2].path, "n.png");
    EXPECT_EQ(textures[2].type, "normalMap");
}

TEST(ModelImport, MaterialWithoutDiffuseColourFallsBackToGreen)
{
    aiMaterial plain;
    EXPECT_EQ(readMaterialColor(plain), glm::vec3(0.0f, 1.0f, 0.0f));
    aiMaterial coloured;
    const aiColor4D red(1.0f, 0.0f, 0.0f, 0.5f);
    coloured.AddProperty(&red, 1, AI_MATKEY_COLOR_DIFFUSE);
    EXPECT_EQ(readMaterialColor(coloured), glm::vec3(1.0f, 0.0f, 0.0f));
}

TEST(ModelImport, MeshWithoutNormalsOrUvsGetsZeros)
{
    aiMesh mesh;
    mesh.mNumVertices = 3;
    mesh.mVertices = new aiVector3D[3]{{0, 0, 0}, {2, 0, 0}, {0, 3, 0}};
    mesh.mNumFaces = 1;
    mesh.mFaces = new aiFace[1];
    mesh.mFaces[0].mNumIndices = 3;
    mesh.mFaces[0].mIndices = new unsigned[3]{2, 1, 0};
    ImportedMesh out;
    readMeshGeometry(mesh, out);
    ASSERT_EQ(out.vertices.size(), 3u);
    EXPECT_EQ(out.vertices[2].position, glm::vec3(0.0f, 3.0f, 0.0f));
    EXPECT_EQ(out.vertices[1].normal, glm::vec3(0.0f));
    EXPECT_EQ(out.vertices[1].texCoords, glm::vec2(0.0f));
    EXPECT_EQ(out.indices, (std::vector<std::uint32_t>{2, 1, 0}));
}

}  // namespace
