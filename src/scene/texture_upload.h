// Turning a material's image file into an OpenGL 2-D texture.
//
// Runs on the thread that owns the context. The texture name is always made,
// even when the image cannot be used: the mesh then draws with a texture
// without storage (black when sampled), as a failed image should look.
// Textures are never deleted; they live as long as the context.
#pragma once

#include <cstdint>
#include <string>

// Loads `directory + "/" + path` into a new mipmapped, repeating texture and
// returns its name. Prints "Texture failed to load at path: " + `path` when the
// file cannot be decoded, and a line naming the size when it is too large.
// `gamma` stores colour images as sRGB. The texture stays bound on the active unit.
std::uint32_t loadTextureFromFile(const std::string& path, const std::string& directory, bool gamma);

// Builds the mipmaps of the texture bound on the active unit and gives it the
// model textures' sampling: repeating, trilinear.
void setModelTextureSampling();
