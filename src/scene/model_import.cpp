#include "scene/model_import.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>

#include <assimp/BaseImporter.h>
#include <assimp/Importer.hpp>
#include <assimp/importerdesc.h>
#include <assimp/material.h>
#include <assimp/scene.h>

#include "framework/console.h"
#include "scene/gltf_check.h"
#include "scene/obj_material_check.h"

namespace {

void appendTexturesOfType(const aiMaterial& material, aiTextureType type,
                          const std::string& typeName, std::vector<TextureRequest>& out)
{
    const unsigned count = aiGetMaterialTextureCount(&material, type);
    for (unsigned i = 0; i < count; ++i) {
        aiString path;
        if (aiGetMaterialTexture(&material, type, i, &path, nullptr, nullptr, nullptr, nullptr,
                                 nullptr, nullptr) != AI_SUCCESS)
            continue;
        std::string text(path.C_Str());
        if (text.size() > MaxTexturePathLength)
            text.resize(MaxTexturePathLength);
        out.push_back({typeName, text});
    }
}

ImportedMesh convertMesh(const aiMesh& mesh, const aiScene& scene, BoneTable& bones)
{
    ImportedMesh out;
    readMeshGeometry(mesh, out);
    if (mesh.mMaterialIndex < scene.mNumMaterials) {
        const aiMaterial& material = *scene.mMaterials[mesh.mMaterialIndex];
        out.textures = readMaterialTextures(material);
        out.materialColor = readMaterialColor(material);
    }
    extractBoneWeights(out.vertices, mesh, bones);
    return out;
}

void walkNode(const aiNode& node, const aiScene& scene, ImportedModel& model)
{
    for (unsigned i = 0; i < node.mNumMeshes; ++i) {
        const unsigned meshIndex = node.mMeshes[i];
        if (meshIndex < scene.mNumMeshes)
            model.meshes.push_back(convertMesh(*scene.mMeshes[meshIndex], scene, model.bones));
    }
    for (unsigned i = 0; i < node.mNumChildren; ++i)
        walkNode(*node.mChildren[i], scene, model);
}

// When several of Assimp's readers claim a file's extension (".gltf" is claimed
// by two), Assimp 5.2 asks each whether it recognises the file, and when none
// does it hands the file to every other reader in turn; some of those crash on
// what they get. Such a file is refused instead. With one claimant the reader
// is used as it is, and an unknown extension is left to Assimp's own search.
bool claimingReaderAccepts(const Assimp::Importer& importer, const std::string& path)
{
    const std::size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || path.find('/', dot) != std::string::npos)
        return true;
    std::string extension = path.substr(dot + 1);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    std::vector<const Assimp::BaseImporter*> claimants;
    for (std::size_t i = 0; i < importer.GetImporterCount(); ++i) {
        std::istringstream extensions(importer.GetImporterInfo(i)->mFileExtensions);
        for (std::string known; extensions >> known;) {
            if (known == extension)
                claimants.push_back(importer.GetImporter(i));
        }
    }
    if (claimants.size() < 2)
        return true;
    return std::any_of(claimants.begin(), claimants.end(), [&](const Assimp::BaseImporter* reader) {
        return reader->CanRead(path, importer.GetIOHandler(), true);
    });
}

}  // namespace

std::string modelDirectory(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(0, slash);
}

void readMeshGeometry(const aiMesh& mesh, ImportedMesh& out)
{
    out.vertices.resize(mesh.mNumVertices);
    const aiVector3D* uvs = mesh.mTextureCoords[0];
    for (unsigned i = 0; i < mesh.mNumVertices; ++i) {
        Vertex& vertex = out.vertices[i];
        vertex.position = {mesh.mVertices[i].x, mesh.mVertices[i].y, mesh.mVertices[i].z};
        if (mesh.mNormals)
            vertex.normal = {mesh.mNormals[i].x, mesh.mNormals[i].y, mesh.mNormals[i].z};
        if (uvs)
            vertex.texCoords = {uvs[i].x, uvs[i].y};
    }
    for (unsigned f = 0; f < mesh.mNumFaces; ++f) {
        const aiFace& face = mesh.mFaces[f];
        out.indices.insert(out.indices.end(), face.mIndices, face.mIndices + face.mNumIndices);
    }
}

glm::vec3 readMaterialColor(const aiMaterial& material)
{
    aiColor4D colour;
    if (aiGetMaterialColor(&material, AI_MATKEY_COLOR_DIFFUSE, &colour) != AI_SUCCESS)
        return FallbackMaterialColor;
    return {colour.r, colour.g, colour.b};
}

std::vector<TextureRequest> readMaterialTextures(const aiMaterial& material)
{
    std::vector<TextureRequest> textures;
    appendTexturesOfType(material, aiTextureType_DIFFUSE, "texture_diffuse", textures);
    appendTexturesOfType(material, aiTextureType_NORMALS, "normalMap", textures);
    return textures;
}

ImportedModel importModelFile(const std::string& path)
{
    ImportedModel model;
    for (const auto& unsafe : {findUnsafeMaterialLibrary(path), findUnsafeGltf(path)}) {
        if (unsafe) {
            printLine("ERROR::ASSIMP:: " + *unsafe);
            return model;
        }
    }
    Assimp::Importer importer;
    // A file that cannot be opened is left to the importer, whose line says so.
    if (std::ifstream(path).good() && !claimingReaderAccepts(importer, path)) {
        printLine("ERROR::ASSIMP:: No reader for the extension of " + path + " recognises the file");
        return model;
    }
    const aiScene* scene = importer.ReadFile(path, ModelImportFlags);
    if (!scene || (scene->mFlags & AI_SCENE_FLAGS_INCOMPLETE) || !scene->mRootNode) {
        printLine(std::string("ERROR::ASSIMP:: ") + importer.GetErrorString());
        return model;
    }
    model.imported = true;
    model.directory = modelDirectory(path);
    walkNode(*scene->mRootNode, *scene, model);
    return model;
}
