// Images, DDS files and prop shapes as the game's loaders meet them: channel
// counts the loader handles, DDS headers it accepts, a spider that fits its
// capsule band, and closed props whose faces look outwards.
#include "support/test_files.h"
#include "obj_reader.h"

#include <glm/common.hpp>
#include <glm/geometric.hpp>
#include <gtest/gtest.h>
#include <stb/stb_image.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>

namespace {

struct ImageCase {
    const char* path;
    int channels;
};

const ImageCase ImageCases[] = {
    {"assets/geometry/map/textures/stone.png", 3},
    {"assets/geometry/map/textures/brick.png", 3},
    {"assets/geometry/map/textures/brick_normal.png", 3},
    {"assets/geometry/torches/textures/wood.png", 3},
    {"assets/geometry/door/textures/planks.png", 3},
    {"assets/geometry/lava/textures/lava.png", 1},
    {"assets/geometry/spiders/textures/chitin.png", 3},
    {"assets/geometry/podium/textures/marble.png", 3},
    {"assets/geometry/podium/textures/marble_normal.png", 3},
    {"assets/geometry/riddle/textures/runes.png", 4},
    {"assets/geometry/magicSkeleton/textures/bone.png", 3},
};

uint32_t readU32(const std::string& bytes, size_t offset)
{
    uint32_t v = 0;
    std::memcpy(&v, bytes.data() + offset, 4);
    return v;
}

// Six times the enclosed volume: positive when every face looks outwards.
double signedVolume6(const std::vector<ObjTriangle>& triangles)
{
    double sum = 0;
    for (const ObjTriangle& t : triangles)
        sum += glm::dot(t.corners[0], glm::cross(t.corners[1], t.corners[2]));
    return sum;
}

}  // namespace

TEST(ImageAssets, ChannelCountsAndSizes)
{
    for (const ImageCase& c : ImageCases) {
        int width = 0, height = 0, channels = 0;
        unsigned char* pixels = stbi_load(sourceTreePath(c.path).c_str(), &width, &height, &channels, 0);
        ASSERT_NE(pixels, nullptr) << c.path;
        EXPECT_EQ(channels, c.channels) << c.path;
        EXPECT_EQ(width, 256) << c.path;
        EXPECT_EQ(height, 256) << c.path;
        if (channels == 4) {
            for (int k = 0; k < width * height; ++k)
                ASSERT_EQ(pixels[k * 4 + 3], 255) << c.path << " pixel " << k;
        }
        stbi_image_free(pixels);
    }
}

TEST(ImageAssets, NormalMapsAreMostlyFlatTangentSpace)
{
    int width = 0, height = 0, channels = 0;
    unsigned char* pixels =
        stbi_load(sourceTreePath("assets/geometry/podium/textures/marble_normal.png").c_str(), &width,
                  &height, &channels, 3);
    ASSERT_NE(pixels, nullptr);
    long blueSum = 0;
    for (int k = 0; k < width * height; ++k)
        blueSum += pixels[k * 3 + 2];
    EXPECT_GT(blueSum / (width * height), 230);
    stbi_image_free(pixels);
}

TEST(ImageAssets, DdsFilesAreDxt1WithLinearSize)
{
    for (const char* path : {"assets/textures/wood_texture.dds", "assets/textures/tiles_diffuse.dds"}) {
        std::ifstream file(sourceTreePath(path), std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        ASSERT_GE(bytes.size(), 128u) << path;
        EXPECT_EQ(bytes.substr(0, 4), "DDS ") << path;
        EXPECT_EQ(readU32(bytes, 4), 124u) << path;
        const uint32_t height = readU32(bytes, 12), width = readU32(bytes, 16),
                       linearSize = readU32(bytes, 20);
        EXPECT_EQ(linearSize, ((width + 3) / 4) * ((height + 3) / 4) * 8) << path;
        EXPECT_EQ(bytes.substr(84, 4), "DXT1") << path;
        EXPECT_EQ(bytes.size(), 128u + linearSize) << path;
    }
}

TEST(PropShapes, SpiderFitsItsCapsuleBand)
{
    const std::vector<ObjTriangle> spider =
        readObjTriangles(sourceTreePath("assets/geometry/spiders/Spider.obj"), 0.5);
    ASSERT_FALSE(spider.empty());
    glm::dvec3 lo(1e9), hi(-1e9);
    for (const ObjTriangle& t : spider)
        for (const glm::dvec3& c : t.corners)
            lo = glm::min(lo, c), hi = glm::max(hi, c);
    const double eX = hi.x - lo.x, eY = hi.y - lo.y;
    EXPECT_GE(eY / 2 + eX / 3, 0.25);  // capsule tall enough for a controller
    EXPECT_LE(eY / 2 + eX / 3, 0.35);  // capsule clear of the floor with margin
    EXPECT_NEAR(lo.y, 0.0, 1e-9);      // feet on the floor
    EXPECT_NEAR(lo.x + hi.x, 0.0, 0.05);
    EXPECT_NEAR(lo.z + hi.z, 0.0, 0.05);
}

TEST(PropShapes, ClosedPropsFaceOutwards)
{
    struct VolumeCase {
        const char* path;
        double worldVolume;  // 0 when only the sign is checked
    };
    const VolumeCase cases[] = {
        {"assets/geometry/podium/Podium.obj", 1.4 * 1.4 * 0.2 + 0.8 * 0.8 * 0.6 + 1.2 * 1.2 * 0.2},
        {"assets/geometry/riddle/Riddle.obj", 0.12 * 0.8 * 0.6},
        {"assets/geometry/spiders/Spider.obj", 0},
        {"assets/geometry/torches/Torches.obj", 0},
    };
    for (const VolumeCase& c : cases) {
        const double volume = signedVolume6(readObjTriangles(sourceTreePath(c.path), 0.5)) / 6.0;
        EXPECT_GT(volume, 0.0) << c.path;
        if (c.worldVolume > 0) {
            EXPECT_NEAR(volume, c.worldVolume, 1e-6) << c.path;
        }
    }
}
