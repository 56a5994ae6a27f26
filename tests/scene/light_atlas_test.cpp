// The static light atlas layout: charts keep their size, never overlap (with
// their padding), finer texels near the fine centre, a level larger than the
// atlas shrinks to fit; and the dilation that fills chart borders.
#include <gtest/gtest.h>

#include <algorithm>

#include <glm/geometric.hpp>
#include <glm/vec4.hpp>

#include "scene/light_atlas.h"

namespace {

// An axis-aligned quad of its own four vertices (one chart) in the plane y = height.
void addFloorQuad(LightAtlasMesh& mesh, glm::vec2 low, glm::vec2 size, float height = 0.0f)
{
    const auto first = static_cast<std::uint32_t>(mesh.positions.size());
    mesh.positions.push_back({low.x, height, low.y});
    mesh.positions.push_back({low.x + size.x, height, low.y});
    mesh.positions.push_back({low.x + size.x, height, low.y + size.y});
    mesh.positions.push_back({low.x, height, low.y + size.y});
    for (std::uint32_t i : {0u, 1u, 2u, 0u, 2u, 3u})
        mesh.indices.push_back(first + i);
}

struct TexelBox {
    glm::vec2 low{1e9f};
    glm::vec2 high{-1e9f};
};

// The texel-space boxes of consecutive four-vertex charts.
std::vector<TexelBox> quadBoxes(const LightAtlasLayout& layout, std::size_t mesh)
{
    std::vector<TexelBox> boxes;
    const glm::vec2 size(layout.width, layout.height);
    const std::vector<glm::vec2>& coordinates = layout.coordinates[mesh];
    for (std::size_t i = 0; i < coordinates.size(); ++i) {
        if (i % 4 == 0)
            boxes.emplace_back();
        boxes.back().low = glm::min(boxes.back().low, coordinates[i] * size);
        boxes.back().high = glm::max(boxes.back().high, coordinates[i] * size);
    }
    return boxes;
}

TEST(LightAtlas, ChartsKeepTheirSizeAndStayApart)
{
    LightAtlasMesh mesh;
    for (int i = 0; i < 12; ++i)
        addFloorQuad(mesh, {i * 10.0f, 0.0f}, {2.0f + i, 3.0f});
    LightAtlasSettings settings;
    settings.texelsPerUnit = 4.0f;
    const LightAtlasLayout layout = layOutLightAtlas({mesh}, settings);
    EXPECT_EQ(layout.charts, 12);
    EXPECT_FLOAT_EQ(layout.densityScale, 1.0f);

    const std::vector<TexelBox> boxes = quadBoxes(layout, 0);
    ASSERT_EQ(boxes.size(), 12u);
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const glm::vec2 extent = boxes[i].high - boxes[i].low;
        // 2 + i by 3 units at 4 texels a unit, in either orientation.
        const float longSide = std::max(extent.x, extent.y), shortSide = std::min(extent.x, extent.y);
        EXPECT_NEAR(longSide, std::max(4.0f * (2 + i), 12.0f), 1e-2f) << "chart " << i;
        EXPECT_NEAR(shortSide, std::min(4.0f * (2 + i), 12.0f), 1e-2f) << "chart " << i;
        // Inside the atlas, texel centres half a texel in at least.
        EXPECT_GE(std::min(boxes[i].low.x, boxes[i].low.y), 0.5f);
        EXPECT_LE(boxes[i].high.x, layout.width - 0.5f);
        EXPECT_LE(boxes[i].high.y, layout.height - 0.5f);
        // Two charts are at least both paddings apart, so bilinear reads at one's
        // edge never reach the other.
        for (std::size_t j = 0; j < i; ++j) {
            const float gapX = std::max(boxes[j].low.x - boxes[i].high.x, boxes[i].low.x - boxes[j].high.x);
            const float gapY = std::max(boxes[j].low.y - boxes[i].high.y, boxes[i].low.y - boxes[j].high.y);
            EXPECT_GE(std::max(gapX, gapY), 2.0f * settings.padding) << "charts " << i << " and " << j;
        }
    }
}

TEST(LightAtlas, SharedVerticesMakeOneChartAndFineTexelsNearTheCentre)
{
    LightAtlasMesh strip;  // two triangles sharing an edge: one chart
    strip.positions = {{0, 0, 0}, {1, 0, 0}, {1, 0, 1}, {0, 0, 1}};
    strip.indices = {0, 1, 2, 0, 2, 3};
    LightAtlasMesh nearAndFar;
    addFloorQuad(nearAndFar, {0.0f, 0.0f}, {1.0f, 1.0f});
    addFloorQuad(nearAndFar, {100.0f, 0.0f}, {1.0f, 1.0f});
    LightAtlasSettings settings;
    settings.texelsPerUnit = 4.0f;
    settings.fineTexelsPerUnit = 16.0f;
    settings.fineCentre = {0.0f, 0.0f, 0.0f};
    settings.fineRadius = 5.0f;
    const LightAtlasLayout layout = layOutLightAtlas({strip, nearAndFar}, settings);
    EXPECT_EQ(layout.charts, 3);
    const std::vector<TexelBox> boxes = quadBoxes(layout, 1);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_NEAR(boxes[0].high.x - boxes[0].low.x, 16.0f, 1e-2f);
    EXPECT_NEAR(boxes[1].high.x - boxes[1].low.x, 4.0f, 1e-2f);
}

TEST(LightAtlas, ALevelLargerThanTheAtlasShrinksToFit)
{
    LightAtlasMesh mesh;
    for (int i = 0; i < 40; ++i)
        addFloorQuad(mesh, {i * 50.0f, 0.0f}, {30.0f, 30.0f});
    LightAtlasSettings settings;
    settings.texelsPerUnit = 4.0f;
    settings.maxSize = 512;
    const LightAtlasLayout layout = layOutLightAtlas({mesh}, settings);
    EXPECT_LT(layout.densityScale, 1.0f);
    EXPECT_LE(layout.width, 512);
    EXPECT_LE(layout.height, 512);
    EXPECT_GT(layout.width, 0);
}

TEST(LightAtlas, DilationFillsRingsFromCoveredTexelsOnly)
{
    const int size = 7;
    std::vector<glm::vec4> texels(size * size, glm::vec4(0.0f, 0.0f, 0.0f, -1.0f));
    texels[3 * size + 3] = {1.0f, 2.0f, 3.0f, 0.5f};
    texels[3 * size + 4] = {3.0f, 2.0f, 1.0f, 1.5f};
    const glm::vec4 leftover(-1.0f, -1.0f, 0.0f, 0.0f);
    std::vector<glm::vec4> indices = texels;
    dilateLightAtlas(texels, size, size, 1, DilationRule::Mean, glm::vec4(0.0f));
    dilateLightAtlas(indices, size, size, 1, DilationRule::FirstNeighbour, leftover);
    // Covered texels keep their light.
    EXPECT_EQ(texels[3 * size + 3], glm::vec4(1.0f, 2.0f, 3.0f, 0.5f));
    // Next to both: their mean. Next to one: its light.
    EXPECT_EQ(texels[2 * size + 3], glm::vec4(2.0f, 2.0f, 2.0f, 1.0f));
    EXPECT_EQ(texels[3 * size + 2], glm::vec4(1.0f, 2.0f, 3.0f, 0.5f));
    // Beyond the one ring: still empty, hence zero light.
    EXPECT_EQ(texels[0], glm::vec4(0.0f));
    EXPECT_EQ(texels[3 * size + 0], glm::vec4(0.0f));
    // Every texel is filled by now, none negative.
    for (const glm::vec4& texel : texels)
        EXPECT_GE(texel.w, 0.0f);

    // Torch indices are copied whole from the first covered neighbour, never averaged.
    EXPECT_EQ(indices[2 * size + 3], glm::vec4(1.0f, 2.0f, 3.0f, 0.5f));
    EXPECT_EQ(indices[2 * size + 5], glm::vec4(3.0f, 2.0f, 1.0f, 1.5f));
    EXPECT_EQ(indices[0], leftover);
}

// Each pass grows the filled area by exactly one ring: a texel filled in a pass
// does not feed its neighbours until the next.
TEST(LightAtlas, EachDilationPassAddsOneRing)
{
    const glm::vec4 empty(0.0f, 0.0f, 0.0f, -1.0f);
    const glm::vec4 light(4.0f, 5.0f, 6.0f, 1.0f);
    const glm::vec4 leftover(9.0f);
    for (const int passes : {1, 2, 3}) {
        std::vector<glm::vec4> row{light, empty, empty, empty, empty};
        dilateLightAtlas(row, 5, 1, passes, DilationRule::Mean, leftover);
        for (int x = 1; x < 5; ++x)
            EXPECT_EQ(row[x], x <= passes ? light : leftover) << passes << " passes, texel " << x;
    }
}

}  // namespace
