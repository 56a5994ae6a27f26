#include "scene/model_files.h"

const TextureFile* PreparedModel::texture(const std::string& texturePath) const
{
    for (const auto& [path, file] : textures)
        if (path == texturePath)
            return &file;
    return nullptr;
}

PreparedModel prepareModelFiles(const std::string& path)
{
    PreparedModel prepared;
    prepared.path = path;
    prepared.imported = readModelFile(path);
    for (const ImportedMesh& mesh : prepared.imported.meshes)
        for (const TextureRequest& request : mesh.textures)
            if (!prepared.texture(request.path))
                prepared.textures.emplace_back(
                    request.path, readTextureFile(prepared.imported.directory + "/" + request.path));
    return prepared;
}
