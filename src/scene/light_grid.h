// A coarse grid over the level's floor plan telling each spot which torches
// can reach it, so the shaders light a fragment with a handful of lights
// instead of looping over all of them.
//
// Cells are square in world x/z (+Y is ignored: a light further away in x/z
// than its range is out of range in 3-D too). Each cell lists up to
// LightGridSlots torch indices, nearest first, of the lights whose range
// reaches any point of the cell; the shaders fade a torch to nothing at its
// range, so a complete list lights the cell exactly as the full loop would.
// Pure data: the GL side is light_grid_texture.h.
#pragma once

#include <cstdint>
#include <vector>

#include <glm/vec2.hpp>
#include <glm/vec3.hpp>

// Cell side in world units.
constexpr float LightGridCellSize = 4.0f;
// Distance (world units) at which a torch's light has faded to nothing; the
// model and skinning shaders use the same value through "lightRange".
constexpr float TorchLightRange = 8.0f;
// Torch indices kept per cell; the shaders read exactly this many.
constexpr int LightGridSlots = 8;

struct LightGrid {
    glm::vec2 origin{0.0f};  // world (x, z) of the low corner of cell (0, 0)
    float cellSize = LightGridCellSize;
    float range = TorchLightRange;
    int cellsX = 0;
    int cellsZ = 0;
    // LightGridSlots entries per cell, cells row by row (x fastest); -1 = empty.
    std::vector<std::int32_t> slots;
    // Cells that had more lights in range than slots (their farthest were left out).
    int overfullCells = 0;

    // Torch indices of cell (cellX, cellZ), nearest first, without empty slots.
    std::vector<std::int32_t> lightsOfCell(int cellX, int cellZ) const;
    // Torch indices of the cell holding world (x, z); empty outside the grid.
    std::vector<std::int32_t> lightsAt(float x, float z) const;
};

// Builds the grid over the lights' x/z bounds widened by `range` (at least one cell).
LightGrid buildLightGrid(const std::vector<glm::vec3>& lights, float cellSize = LightGridCellSize,
                         float range = TorchLightRange);

// The grid as RGBA float texels for upload: width 2 * cellsX, height cellsZ;
// texel (2 * x + k, z) holds slots 4k to 4k + 3 of cell (x, z), -1 when empty.
std::vector<float> lightGridTexels(const LightGrid& grid);
