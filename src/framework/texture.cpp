#include "texture.h"

#include "framework/asset_search.h"
#include "framework/dds.h"

Texture::Texture(std::string path)
{
    load(findAssetFile(path));
}

Texture::Texture(const ResolvedPath& file)
{
    load(file.path);
}

std::shared_ptr<Texture> Texture::fromFile(const std::string& resolvedPath)
{
    // The resolved-path constructor is private so that game code goes through the asset search.
    return std::shared_ptr<Texture>(new Texture(ResolvedPath{resolvedPath}));
}

Texture::~Texture()
{
    if (valid)
        glDeleteTextures(1, &handle);
}

void Texture::load(const std::string& resolvedPath)
{
    const DDSImage image = loadDDS(resolvedPath);
    if (!image.isLoaded())
        return;

    glGenTextures(1, &handle);
    glBindTexture(GL_TEXTURE_2D, handle);
    // The size is the one computed from the extent, which loadDDS guarantees it holds,
    // never the header's own linear-size field.
    glCompressedTexImage2D(GL_TEXTURE_2D, 0, image.format, image.width, image.height, 0, image.size,
                           image.data.data());
    glGenerateMipmap(GL_TEXTURE_2D);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_R, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    valid = true;
}
