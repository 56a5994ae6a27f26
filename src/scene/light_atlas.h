// Where the static scenery's surfaces lie in the static light atlas: one
// rectangle per chart, a chart being a group of triangles that share vertices
// (the OBJ files give every face its own vertices, so a chart is one face of
// the level: a floor tile, a wall quad, one side of the door). Each chart is
// flattened onto the plane of its area-weighted normal, so flat faces keep
// their shape and size, and the rectangles are packed row by row with empty
// texels around each so that filtered reads at a chart's edge stay inside it.
//
// Pure data: the GPU side is static_light.h.
#pragma once

#include <cstdint>
#include <vector>

#include <glm/vec2.hpp>
#include <glm/vec3.hpp>
#include <glm/vec4.hpp>

struct LightAtlasSettings {
    float texelsPerUnit = 4.0f;  // world units; torch pools fade over metres
    // Around the lava pit the shadow edge wants finer texels.
    float fineTexelsPerUnit = 12.0f;
    glm::vec3 fineCentre{0.0f};
    float fineRadius = 0.0f;  // 0: no fine region
    int padding = 2;          // empty texels on every side of a chart
    int maxSize = 4096;       // the atlas's largest side; densities shrink to fit
};

// One mesh's triangles as the atlas sees them (world positions, triangle list).
struct LightAtlasMesh {
    std::vector<glm::vec3> positions;
    std::vector<std::uint32_t> indices;
};

struct LightAtlasLayout {
    int width = 0;
    int height = 0;
    // Per mesh, per vertex: the atlas coordinate (0..1 on both axes). Vertices no
    // triangle uses are left at (0, 0).
    std::vector<std::vector<glm::vec2>> coordinates;
    int charts = 0;
    float densityScale = 1.0f;  // below 1 when the densities had to shrink to fit
};

LightAtlasLayout layOutLightAtlas(const std::vector<LightAtlasMesh>& meshes,
                                  const LightAtlasSettings& settings);

// How an empty texel is filled from its covered neighbours: their mean (light,
// which is filtered), or the first of them in reading order (torch indices,
// which are not and must stay whole numbers).
enum class DilationRule { Mean, FirstNeighbour };

// Fills the texels no chart covered (those whose w is negative) from their
// covered neighbours, one ring of texels per pass, so that reads at a chart's
// edge do not pull in empty texels. Texels still empty afterwards become
// `leftover`. `texels` holds width * height entries, row by row.
void dilateLightAtlas(std::vector<glm::vec4>& texels, int width, int height, int passes, DilationRule rule,
                      const glm::vec4& leftover);
