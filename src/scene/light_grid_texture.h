// The light grid on the GPU: one float texture the model and skinning shaders
// read with texelFetch. The uniforms that place it in the world are the
// programs' (LitProgram::setLightGrid in lit_program.h).
//
// Owns its texture (deleted with the object, so it must go before the
// context). The grid sits on texture unit LightGridTextureUnit (gpu_layout.h),
// clear of the mesh textures and the shadow map.
#pragma once

#include <memory>

#include "scene/light_grid.h"

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
