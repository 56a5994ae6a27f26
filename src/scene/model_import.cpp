#include "scene/model_import.h"

#include <algorithm>

#include <assimp/Importer.hpp>
#include <assimp/material.h>
#include <assimp/scene.h>

#include "framework/console.h"
#include "scene/model_check/checked_import.h"

namespace {

void appendTexturesOfType(const aiMaterial& material, aiTextureType type, const std::string& typeName,
                          std::vector<TextureRequest>& out)
{
    const unsigned count = aiGetMaterialTextureCount(&material, type);
    for (unsigned i = 0; i < count; ++i) {
        aiString path;
        if (aiGetMaterialTexture(&material, type, i, &path, nullptr, nullptr, nullptr, nullptr, nullptr,
                                 nullptr) != AI_SUCCESS)
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
    ImportedModel model = readModelFile(path);
    if (!model.imported)
        printLine(model.error);
    return model;
}

ImportedModel readModelFile(const std::string& path)
{
    ImportedModel model;
    Assimp::Importer importer;
    std::string error;
    const aiScene* scene = importCheckedScene(importer, path, ModelImportFlags, error);
    if (!scene || (scene->mFlags & AI_SCENE_FLAGS_INCOMPLETE) || !scene->mRootNode) {
        model.error = "ERROR::ASSIMP:: " + (scene ? std::string(importer.GetErrorString()) : error);
        return model;
    }
    model.imported = true;
    model.directory = modelDirectory(path);
    walkNode(*scene->mRootNode, *scene, model);
    return model;
}
