// Turning a material's image file into an OpenGL 2-D texture.
//
// Runs on the thread that owns the context. The texture name is always made,
// even when the image cannot be used: the mesh then draws with a texture
// without storage (black when sampled), as a failed image should look.
// Textures are never deleted; they live as long as the context.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "scene/texture_image.h"

// A material's image file as read from disk, before anything touches the GPU.
struct TextureFile {
    std::optional<std::pair<int, int>> size;  // from its header; nullopt when no image decoder knows it
    std::optional<DecodedImage> image;        // nullopt when refused by its size or not decodable
};

// Reads and decodes `filename`, unless its header gives a size past
// MaxTextureSide. Prints nothing; safe on any thread.
TextureFile readTextureFile(const std::string& filename);

// Makes a texture of `file` (the image `path` of a material names) with the
// lines and the result loadTextureFromFile gives. Needs the context.
std::uint32_t uploadTexture(const TextureFile& file, const std::string& path, bool gamma);

// Loads `directory + "/" + path` into a new mipmapped, repeating texture and
// returns its name. Prints "Texture failed to load at path: " + `path` when the
// file cannot be decoded, and a line naming the size when it is too large.
// `gamma` stores colour images as sRGB. The texture stays bound on the active unit.
std::uint32_t loadTextureFromFile(const std::string& path, const std::string& directory, bool gamma);

// Fills the texture bound on the active unit with `rgba` (`width` x `height`
// texels, rows tightly packed) and every mipmap level below it, and gives it the
// model textures' sampling: repeating, trilinear. `internalFormat` is GL_RGBA
// or an sRGB one.
void uploadModelTexture(const std::vector<std::uint8_t>& rgba, int width, int height, unsigned internalFormat);
