// The light grid on the GPU: one float texture the model and skinning shaders
// read with texelFetch, plus the uniforms that place it in the world.
//
// Owns its texture (deleted with the object, so it must go before the
// context). The grid sits on texture unit LightGridTextureUnit (gpu_layout.h),
// clear of the mesh textures and the shadow map.
#pragma once

#include <memory>

#include "scene/light_grid.h"

class Shader;

class LightGridTexture {
public:
    // Uploads `grid` (RGBA32F, nearest filtering, no mipmaps). Leaves unit
    // LightGridTextureUnit bound to it and unit 0 active.
    explicit LightGridTexture(const LightGrid& grid);
    ~LightGridTexture();
    LightGridTexture(const LightGridTexture&) = delete;
    LightGridTexture& operator=(const LightGridTexture&) = delete;

    // Binds the grid on LightGridTextureUnit again, then makes unit 0 active.
    void bind() const;

    unsigned texture() const { return name; }

private:
    unsigned name = 0;
};

// Sets "lightGrid" (the unit), "lightGridOrigin" (x, 0, z), "lightGridCellSize"
// and "lightRange" on the current program of `shader` (call use() first).
// Without these a shader falls back to looping over every light.
void uploadLightGridUniforms(Shader& shader, const LightGrid& grid);
