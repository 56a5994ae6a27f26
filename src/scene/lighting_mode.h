// Where a draw of the model and skinning programs takes its light from: the
// "lightingMode" uniform. The numbers are the shaders' own, from the one file
// both languages read.
#pragma once

#include <vector>

#include "framework/shader.h"

#include "../../assets/shaders/lighting_modes.glsl"

enum class LightingMode : int {
    PerPixel = LIGHTING_PER_PIXEL,  // every light evaluated per fragment (moving things; the reference)
    Stored = LIGHTING_STORED,       // the fixed light read from the static light atlas
    Bake = LIGHTING_BAKE,           // triangles drawn at their atlas place, writing the fixed light
    None = LIGHTING_NONE,           // the base colour only (measuring what lighting costs)
};

#undef LIGHTING_PER_PIXEL
#undef LIGHTING_STORED
#undef LIGHTING_BAKE
#undef LIGHTING_NONE

constexpr const char* LightingModeUniform = "lightingMode";

// The variants of a program that draws in `modes`, selected by setting
// LightingModeUniform.
inline ShaderVariants lightingModeVariants(const std::vector<LightingMode>& modes)
{
    ShaderVariants variants{LightingModeUniform, {}};
    for (const LightingMode mode : modes)
        variants.values.push_back(static_cast<int>(mode));
    return variants;
}
