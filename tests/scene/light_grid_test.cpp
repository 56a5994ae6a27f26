// The torch list and the light grid built from it: every spot of the level
// must see exactly the torches in range, nearest first.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "app/lighting.h"
#include "scene/light_grid.h"

namespace {

// Torch indices within `range` of (x, z) in the floor plan, by brute force.
std::vector<std::int32_t> torchesWithin(const std::vector<glm::vec3>& lights, float x, float z, float range)
{
    std::vector<std::int32_t> found;
    for (std::size_t i = 0; i < lights.size(); ++i)
        if (std::hypot(lights[i].x - x, lights[i].z - z) < range)
            found.push_back(static_cast<std::int32_t>(i));
    return found;
}

TEST(TorchLights, SixtyTorchesAllAtTorchHeight)
{
    const std::vector<glm::vec3> lights = torchLights();
    ASSERT_EQ(lights.size(), 60u);
    EXPECT_EQ(lights.front(), glm::vec3(0.5f, 3.3f, -12.6f));
    EXPECT_EQ(lights[59], glm::vec3(8.4f, 3.3f, 8.5f));
    for (const glm::vec3& light : lights)
        EXPECT_FLOAT_EQ(light.y, 3.3f);
    // The last four light the corners of the start room around the origin.
    for (std::size_t i = 56; i < 60; ++i) {
        EXPECT_LT(std::abs(lights[i].x), 9.0f);
        EXPECT_LT(std::abs(lights[i].z), 9.5f);
    }
}

TEST(LightGrid, EverySpotOfTheLevelListsExactlyTheTorchesInRange)
{
    const std::vector<glm::vec3> lights = torchLights();
    const LightGrid grid = buildLightGrid(lights);
    EXPECT_EQ(grid.overfullCells, 0);
    // Sample the grid's area on a fine lattice that does not line up with the cells.
    for (float x = grid.origin.x + 0.13f; x < grid.origin.x + grid.cellsX * grid.cellSize; x += 0.71f) {
        for (float z = grid.origin.y + 0.29f; z < grid.origin.y + grid.cellsZ * grid.cellSize; z += 0.83f) {
            std::vector<std::int32_t> listed = grid.lightsAt(x, z);
            for (std::int32_t index : torchesWithin(lights, x, z, grid.range))
                ASSERT_NE(std::find(listed.begin(), listed.end(), index), listed.end())
                    << "torch " << index << " missing at " << x << ", " << z;
        }
    }
}

TEST(LightGrid, CellListsNearestFirstAndOnlyLightsThatReachTheCell)
{
    const std::vector<glm::vec3> lights{{0.0f, 3.0f, 0.0f}, {5.0f, 3.0f, 0.0f}, {30.0f, 3.0f, 0.0f}};
    const LightGrid grid = buildLightGrid(lights, 4.0f, 8.0f);
    EXPECT_EQ(grid.lightsAt(4.5f, 0.5f), (std::vector<std::int32_t>{1, 0}));
    EXPECT_EQ(grid.lightsAt(-1.0f, 0.5f), (std::vector<std::int32_t>{0, 1}));
    EXPECT_EQ(grid.lightsAt(29.0f, 0.0f), (std::vector<std::int32_t>{2}));
    EXPECT_TRUE(grid.lightsAt(17.5f, 0.0f).empty()) << "between the groups nothing reaches";
}

TEST(LightGrid, OutsideTheGridNothingIsListed)
{
    const LightGrid grid = buildLightGrid(torchLights());
    EXPECT_TRUE(grid.lightsAt(grid.origin.x - 0.01f, grid.origin.y + 1.0f).empty());
    EXPECT_TRUE(grid.lightsAt(1000.0f, -40.0f).empty());
    EXPECT_TRUE(grid.lightsAt(std::nanf(""), 0.0f).empty());
    EXPECT_TRUE(grid.lightsOfCell(grid.cellsX, 0).empty());
}

TEST(LightGrid, CrowdedCellKeepsTheNearestAndCountsAsOverfull)
{
    std::vector<glm::vec3> lights;
    for (int i = 0; i < LightGridSlots + 2; ++i)
        lights.emplace_back(0.5f * static_cast<float>(LightGridSlots + 1 - i), 0.0f, 0.0f);
    const LightGrid grid = buildLightGrid(lights, 1.0f, 50.0f);
    EXPECT_GE(grid.overfullCells, 1);
    const std::vector<std::int32_t> kept = grid.lightsAt(-1.0f, 0.0f);
    ASSERT_EQ(kept.size(), static_cast<std::size_t>(LightGridSlots));
    EXPECT_EQ(kept.front(), LightGridSlots + 1) << "the light nearest the cell comes first";
}

TEST(LightGrid, NoLightsGivesAValidGridOfEmptyCells)
{
    const LightGrid grid = buildLightGrid({});
    ASSERT_GE(grid.cellsX, 1);
    ASSERT_GE(grid.cellsZ, 1);
    EXPECT_EQ(std::count(grid.slots.begin(), grid.slots.end(), -1),
              static_cast<long>(grid.cellsX * grid.cellsZ * LightGridSlots));
}

TEST(LightGrid, TexelsHoldEachCellsSlotsInTwoNeighbouringTexels)
{
    const std::vector<glm::vec3> lights{{0.0f, 0.0f, 0.0f}, {9.0f, 0.0f, 9.0f}};
    const LightGrid grid = buildLightGrid(lights, 4.0f, 2.0f);
    const std::vector<float> texels = lightGridTexels(grid);
    ASSERT_EQ(texels.size(), static_cast<std::size_t>(grid.cellsX * 2 * grid.cellsZ * 4));
    // Texel (2x + k, z) of an RGBA texture of width 2 * cellsX starts at float
    // ((z * 2 * cellsX) + 2x + k) * 4.
    const int cellX = grid.cellsX - 1;
    const int cellZ = grid.cellsZ - 1;
    const std::size_t first = (static_cast<std::size_t>(cellZ) * 2 * grid.cellsX + 2 * cellX) * 4;
    EXPECT_FLOAT_EQ(texels[first], 1.0f);
    EXPECT_FLOAT_EQ(texels[first + 1], -1.0f);
    EXPECT_FLOAT_EQ(texels[first + 7], -1.0f);
    EXPECT_FLOAT_EQ(texels[0], 0.0f);
}

}  // namespace
