// Format choice, widening to RGBA and the size limit for material images.
#include <gtest/gtest.h>

#include <GL/glew.h>

#include "scene/texture_image.h"
#include "support/image_files.h"
#include "support/scratch_folder.h"
#include "support/test_files.h"

namespace {

struct FormatCase {
    const char* name;
    int channels;
    bool gamma;
    unsigned internalFormat;
    unsigned pixelFormat;
};

class TextureFormatChoice : public testing::TestWithParam<FormatCase> {};

TEST_P(TextureFormatChoice, MatchesTheChannelCount)
{
    const auto format = chooseTextureFormat(GetParam().channels, GetParam().gamma);
    ASSERT_TRUE(format.has_value());
    EXPECT_EQ(format->internalFormat, GetParam().internalFormat);
    EXPECT_EQ(format->pixelFormat, GetParam().pixelFormat);
}

INSTANTIATE_TEST_SUITE_P(Channels, TextureFormatChoice,
                         testing::Values(FormatCase{"grey", 1, false, GL_RED, GL_RED},
                                         FormatCase{"greyIgnoresGamma", 1, true, GL_RED, GL_RED},
                                         FormatCase{"rgb", 3, false, GL_RGB, GL_RGB},
                                         FormatCase{"srgb", 3, true, GL_SRGB, GL_RGB},
                                         FormatCase{"rgba", 4, false, GL_RGBA, GL_RGBA},
                                         FormatCase{"srgbAlpha", 4, true, GL_SRGB_ALPHA, GL_RGBA}),
                         [](const testing::TestParamInfo<FormatCase>& info) { return info.param.name; });

TEST(TextureFormatChoice, OtherChannelCountsHaveNoFormat)
{
    EXPECT_FALSE(chooseTextureFormat(2, false).has_value());
    EXPECT_FALSE(chooseTextureFormat(0, false).has_value());
    EXPECT_FALSE(chooseTextureFormat(5, true).has_value());
}

TEST(GreyAlpha, WidensToGreyRgbWithItsAlpha)
{
    const std::vector<std::uint8_t> widened = widenToRgba({10, 200, 255, 0}, 2);
    EXPECT_EQ(widened, (std::vector<std::uint8_t>{10, 10, 10, 200, 255, 255, 255, 0}));
}

// The upload's four channels read as the file's own format did: grey as a red
// texture (red only, opaque), RGB opaque, RGBA unchanged; a partial texel at
// the end is dropped, and a count that is no image gives nothing.
TEST(RgbaUpload, WideningKeepsWhatEachChannelCountReadsAs)
{
    EXPECT_EQ(widenToRgba({7, 250}, 1), (std::vector<std::uint8_t>{7, 0, 0, 255, 250, 0, 0, 255}));
    EXPECT_EQ(widenToRgba({1, 2, 3, 4, 5, 6, 7}, 3), (std::vector<std::uint8_t>{1, 2, 3, 255, 4, 5, 6, 255}));
    EXPECT_EQ(widenToRgba({1, 2, 3, 4}, 4), (std::vector<std::uint8_t>{1, 2, 3, 4}));
    EXPECT_TRUE(widenToRgba({1, 2, 3}, 0).empty());
    EXPECT_TRUE(widenToRgba({1, 2, 3, 4, 5}, 5).empty());
}

TEST(RgbaUpload, FormatsWidenToRgbaAndKeepSrgb)
{
    for (const int channels : {1, 3, 4})
        for (const bool gamma : {false, true}) {
            const TextureFormat format = widenFormatToRgba(*chooseTextureFormat(channels, gamma));
            const bool srgb = gamma && channels != 1;
            EXPECT_EQ(format.internalFormat, srgb ? unsigned(GL_SRGB_ALPHA) : unsigned(GL_RGBA))
                << channels << " channels, gamma " << gamma;
            EXPECT_EQ(format.pixelFormat, unsigned(GL_RGBA));
        }
}

TEST(GreyAlpha, TwoChannelFileDecodesAsFourChannels)
{
    ScratchFolder folder;
    writeSolidPng(folder.path("ga.png"), 3, 2, {90, 40});
    const auto image = decodeImageFile(folder.path("ga.png"));
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->channels, 4);
    EXPECT_EQ(image->width, 3);
    EXPECT_EQ(image->height, 2);
    ASSERT_EQ(image->pixels.size(), 3u * 2u * 4u);
    EXPECT_EQ(image->pixels[20], 90);
    EXPECT_EQ(image->pixels[23], 40);
}

TEST(ImageDecoding, UndecodableAndMissingFilesGiveNothing)
{
    ScratchFolder folder;
    writeWholeFile(folder.path("broken.png"), "this is not a picture");
    EXPECT_FALSE(decodeImageFile(folder.path("broken.png")).has_value());
    EXPECT_FALSE(readImageSize(folder.path("broken.png")).has_value());
    EXPECT_FALSE(decodeImageFile(folder.path("missing.png")).has_value());
}

TEST(ImageDecoding, SizeIsReadFromTheHeader)
{
    ScratchFolder folder;
    writeSolidPng(folder.path("rgb.png"), 5, 7, {1, 2, 3});
    const auto size = readImageSize(folder.path("rgb.png"));
    ASSERT_TRUE(size.has_value());
    EXPECT_EQ(size->first, 5);
    EXPECT_EQ(size->second, 7);
}

struct SizeCase {
    const char* name;
    int width;
    int height;
    int driverLimit;
    bool accepted;
};

class ImageSizeLimit : public testing::TestWithParam<SizeCase> {};

TEST_P(ImageSizeLimit, RefusesWhatCannotOrShouldNotBeUploaded)
{
    const SizeCase& c = GetParam();
    EXPECT_EQ(!rejectImageSize(c.width, c.height, c.driverLimit).has_value(), c.accepted);
}

INSTANTIATE_TEST_SUITE_P(Sizes, ImageSizeLimit,
                         testing::Values(SizeCase{"usual", 256, 256, 16384, true},
                                         SizeCase{"atOwnLimit", 8192, 1, 16384, true},
                                         SizeCase{"pastOwnLimit", 8193, 1, 16384, false},
                                         SizeCase{"pastDriverLimit", 4096, 4097, 4096, false},
                                         SizeCase{"atDriverLimit", 4096, 4096, 4096, true},
                                         SizeCase{"unknownDriverLimit", 8192, 8192, 0, true},
                                         SizeCase{"empty", 0, 16, 16384, false}),
                         [](const testing::TestParamInfo<SizeCase>& info) { return info.param.name; });

}  // namespace

namespace {

// A `width` x `height` image whose texels are `values`, each written into all
// four channels plus the channel's index, so that channels cannot swap.
std::vector<std::uint8_t> rgbaOf(const std::vector<int>& values)
{
    std::vector<std::uint8_t> rgba;
    for (const int value : values)
        for (int channel = 0; channel < 4; ++channel)
            rgba.push_back(static_cast<std::uint8_t>(value + channel));
    return rgba;
}

// Each half-size level averages rows first, rounding halves up, as software
// GL's chain does: (0 0 / 0 1) is 1, not the 0 a plain rounded mean of 0.25
// gives. Odd sides drop their last texel; a side of one pairs a texel with itself.
TEST(Mipmaps, HalvingAveragesEachRowPairFirstAndRoundsHalvesUp)
{
    struct HalvingCase {
        const char* what;
        int width, height;
        std::vector<int> texels;
        std::vector<int> half;
    };
    const HalvingCase cases[] = {
        {"rounding of the rows, then of the columns", 2, 2, {0, 0, 0, 1}, {1}},
        {"plain mean", 2, 2, {10, 20, 30, 40}, {25}},
        {"two by two blocks", 4, 2, {0, 2, 100, 100, 4, 6, 0, 1}, {3, 51}},
        {"a column of one", 1, 4, {10, 11, 20, 40}, {11, 30}},
        {"a row of one, odd", 3, 1, {10, 20, 200}, {15}},
        {"odd both ways", 3, 3, {0, 4, 9, 8, 12, 9, 9, 9, 9}, {6}},
    };
    for (const HalvingCase& c : cases)
        EXPECT_EQ(halveRgba(rgbaOf(c.texels), c.width, c.height), rgbaOf(c.half)) << c.what;
}

}  // namespace
