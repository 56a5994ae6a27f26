// Where a draw of the model and skinning programs takes its light from: the
// "lightingMode" uniform, with the values the fragment shaders name
// LIGHTING_PER_PIXEL, LIGHTING_STORED, LIGHTING_BAKE and LIGHTING_NONE.
#pragma once

#include <vector>

#include "framework/shader.h"

enum class LightingMode : int {
    PerPixel = 0,  // every light evaluated per fragment (moving things; the reference)
    Stored = 1,    // the fixed light read from the static light atlas
    Bake = 2,      // triangles drawn at their atlas place, writing the fixed light
    None = 3,      // the base colour only (measuring what lighting costs)
};

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
