#include "level_geometry.h"

#include <assimp/Importer.hpp>
#include <assimp/postprocess.h>
#include <assimp/scene.h>

#include "physics/collision_scene.h"

std::string projectFile(const std::string& relativePath)
{
    return std::string(KORVEL_SOURCE_DIR) + "/" + relativePath;
}

std::vector<LevelMesh> importMeshes(const std::string& path, float scale)
{
    Assimp::Importer importer;
    const unsigned flags =
        aiProcess_Triangulate | aiProcess_GenSmoothNormals | aiProcess_FlipUVs | aiProcess_CalcTangentSpace;
    const aiScene* scene = importer.ReadFile(path, flags);
    std::vector<LevelMesh> meshes;
    if (!scene || !scene->mRootNode || (scene->mFlags & AI_SCENE_FLAGS_INCOMPLETE)) {
        return meshes;
    }
    for (unsigned m = 0; m < scene->mNumMeshes; ++m) {
        const aiMesh* source = scene->mMeshes[m];
        LevelMesh mesh;
        for (unsigned v = 0; v < source->mNumVertices; ++v) {
            const aiVector3D& p = source->mVertices[v];
            mesh.positions.emplace_back(p.x * scale, p.y * scale, p.z * scale);
        }
        for (unsigned f = 0; f < source->mNumFaces; ++f) {
            const aiFace& face = source->mFaces[f];
            mesh.indices.insert(mesh.indices.end(), face.mIndices, face.mIndices + face.mNumIndices);
        }
        meshes.push_back(std::move(mesh));
    }
    return meshes;
}

std::size_t addToScene(CollisionScene& scene, const std::vector<LevelMesh>& meshes)
{
    std::size_t made = 0;
    for (const LevelMesh& mesh : meshes) {
        made += scene.addStaticMesh(mesh.positions, mesh.indices) ? 1 : 0;
    }
    return made;
}
