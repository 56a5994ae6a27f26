#include "scene/light_grid.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include <glm/common.hpp>

namespace {

// Distance in x/z from (x, z) to the nearest point of the square cell at `low`.
float distanceToCell(const glm::vec2& low, float size, float x, float z)
{
    const float dx = std::max({low.x - x, 0.0f, x - (low.x + size)});
    const float dz = std::max({low.y - z, 0.0f, z - (low.y + size)});
    return std::sqrt(dx * dx + dz * dz);
}

// (distance, light index) of every light reaching the cell, nearest first.
std::vector<std::pair<float, std::int32_t>> lightsReaching(const std::vector<glm::vec3>& lights,
                                                           const glm::vec2& low, float size, float range)
{
    std::vector<std::pair<float, std::int32_t>> reaching;
    for (std::size_t i = 0; i < lights.size(); ++i) {
        const float distance = distanceToCell(low, size, lights[i].x, lights[i].z);
        if (distance < range)
            reaching.emplace_back(distance, static_cast<std::int32_t>(i));
    }
    std::sort(reaching.begin(), reaching.end());
    return reaching;
}

void fillCell(LightGrid& grid, const std::vector<glm::vec3>& lights, int cellX, int cellZ)
{
    const glm::vec2 low = grid.origin + grid.cellSize * glm::vec2(cellX, cellZ);
    const auto reaching = lightsReaching(lights, low, grid.cellSize, grid.range);
    if (reaching.size() > static_cast<std::size_t>(LightGridSlots))
        ++grid.overfullCells;
    const std::size_t first = (static_cast<std::size_t>(cellZ) * grid.cellsX + cellX) * LightGridSlots;
    const std::size_t kept = std::min(reaching.size(), static_cast<std::size_t>(LightGridSlots));
    for (std::size_t slot = 0; slot < kept; ++slot)
        grid.slots[first + slot] = reaching[slot].second;
}

}  // namespace

std::vector<std::int32_t> LightGrid::lightsOfCell(int cellX, int cellZ) const
{
    std::vector<std::int32_t> lights;
    if (cellX < 0 || cellZ < 0 || cellX >= cellsX || cellZ >= cellsZ)
        return lights;
    const std::size_t first = (static_cast<std::size_t>(cellZ) * cellsX + cellX) * LightGridSlots;
    for (int slot = 0; slot < LightGridSlots && slots[first + slot] >= 0; ++slot)
        lights.push_back(slots[first + slot]);
    return lights;
}

std::vector<std::int32_t> LightGrid::lightsAt(float x, float z) const
{
    const float cellX = std::floor((x - origin.x) / cellSize);
    const float cellZ = std::floor((z - origin.y) / cellSize);
    if (!(cellX >= 0.0f && cellZ >= 0.0f && cellX < cellsX && cellZ < cellsZ))
        return {};
    return lightsOfCell(static_cast<int>(cellX), static_cast<int>(cellZ));
}

LightGrid buildLightGrid(const std::vector<glm::vec3>& lights, float cellSize, float range)
{
    LightGrid grid;
    grid.cellSize = cellSize;
    grid.range = range;
    glm::vec2 low(std::numeric_limits<float>::max());
    glm::vec2 high(std::numeric_limits<float>::lowest());
    for (const glm::vec3& light : lights) {
        low = glm::min(low, glm::vec2(light.x, light.z));
        high = glm::max(high, glm::vec2(light.x, light.z));
    }
    if (lights.empty())
        low = high = glm::vec2(0.0f);
    grid.origin = low - glm::vec2(range);
    const glm::vec2 span = high + glm::vec2(range) - grid.origin;
    grid.cellsX = std::max(1, static_cast<int>(std::ceil(span.x / cellSize)));
    grid.cellsZ = std::max(1, static_cast<int>(std::ceil(span.y / cellSize)));
    grid.slots.assign(static_cast<std::size_t>(grid.cellsX) * grid.cellsZ * LightGridSlots, -1);
    for (int cellZ = 0; cellZ < grid.cellsZ; ++cellZ)
        for (int cellX = 0; cellX < grid.cellsX; ++cellX)
            fillCell(grid, lights, cellX, cellZ);
    return grid;
}

std::vector<float> lightGridTexels(const LightGrid& grid)
{
    std::vector<float> texels(grid.slots.size());
    std::transform(grid.slots.begin(), grid.slots.end(), texels.begin(),
                   [](std::int32_t index) { return static_cast<float>(index); });
    return texels;
}
