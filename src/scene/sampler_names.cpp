#include "scene/sampler_names.h"

#include <algorithm>

std::vector<std::string> samplerUniformNames(const std::vector<MeshTexture>& textures)
{
    std::vector<std::string> names;
    names.reserve(textures.size());
    int diffuseNumber = 1;
    int normalNumber = 1;
    for (const MeshTexture& texture : textures) {
        if (texture.type == DiffuseTextureType)
            names.push_back(texture.type + std::to_string(diffuseNumber++));
        else if (texture.type == NormalMapType)
            names.push_back(texture.type + std::to_string(normalNumber++));
        else
            names.push_back(texture.type);
    }
    return names;
}

bool hasTextureOfType(const std::vector<MeshTexture>& textures, const std::string& type)
{
    return std::any_of(textures.begin(), textures.end(),
                       [&type](const MeshTexture& texture) { return texture.type == type; });
}
