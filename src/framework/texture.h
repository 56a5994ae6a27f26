// Texture: a 2-D OpenGL texture made from a block-compressed DDS file.
//
// Only the file's base level is uploaded; the GL then generates the mipmap chain.
// A file that cannot be used prints one line (see loadDDS) and leaves the Texture
// invalid without a GL object, and the game goes on. Textures are held by shared
// ownership and delete their GL object when the last owner lets go, which must
// happen while the GL context is still current.
#pragma once

#include <GL/glew.h>

#include <memory>
#include <string>

class Texture {
public:
    // Resolves `path` (relative to the asset tree, e.g. "assets/textures/wood_texture.dds")
    // with findAssetFile, which ends the program when it is missing, then loads it.
    // Needs a current GL context with GLEW initialised. Leaves the texture bound to
    // GL_TEXTURE_2D on the active unit when it is valid.
    explicit Texture(std::string path);

    // As the constructor, for a file whose full path is already known (no asset search).
    static std::shared_ptr<Texture> fromFile(const std::string& resolvedPath);

    ~Texture();
    Texture(const Texture&) = delete;
    Texture& operator=(const Texture&) = delete;

    GLuint handle = 0;   // GL texture name; meaningful only when `valid`
    bool valid = false;  // true once the GL texture exists and holds the image

private:
    struct ResolvedPath {
        std::string path;
    };
    explicit Texture(const ResolvedPath& file);

    void load(const std::string& resolvedPath);
};
