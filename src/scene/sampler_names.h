// The sampler uniform names a mesh's textures are announced under.
//
// Texture i of a mesh goes to texture unit i and to the sampler named by its
// type and a per-type counter starting at 1: "texture_diffuse1",
// "texture_diffuse2", "normalMap1", ... Any other type gets no number.
#pragma once

#include <string>
#include <vector>

#include "scene/model.h"

// Uniform names the draw gives each texture a unit under (extra flags for the
// shaders: does the mesh have a diffuse texture / a normal map).
constexpr const char* DiffuseTextureType = "texture_diffuse";
constexpr const char* NormalMapType = "normalMap";
// The samplers the lighting shaders read (the first of each type).
constexpr const char* FirstDiffuseSampler = "texture_diffuse1";
constexpr const char* FirstNormalMapSampler = "normalMap1";
constexpr const char* HasDiffuseTextureUniform = "hasDiffuseTexture";
constexpr const char* HasNormalMapUniform = "hasNormalMap";
constexpr const char* MaterialColorUniform = "materialColor";

// One name per texture, in the order of `textures` (entry i is for unit i).
std::vector<std::string> samplerUniformNames(const std::vector<MeshTexture>& textures);

// True when some texture of the list has `type`.
bool hasTextureOfType(const std::vector<MeshTexture>& textures, const std::string& type);
