// Damaged and awkward texture files through the real executable: each gives one
// line naming the file, the texture is left out, and the game goes on.
#include <gtest/gtest.h>

#include "support/ppm_image.h"
#include "bad_files.h"
#include "support/game_tree.h"
#include "support/output_lines.h"

namespace {

constexpr std::size_t DdsHeaderBytes = 128;  // magic and the 124-byte header
const char* const WoodTexture = "assets/textures/wood_texture.dds";
// The riddle's material names this image; its file is replaced in each case.
const char* const RiddleImage = "assets/geometry/riddle/textures/runes.png";
const char* const RiddleImageAsNamed = "textures/runes.png";

struct DamagedDds {
    const char* name;
    std::size_t keptBytes;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const DamagedDds& value, std::ostream* out)
{
    *out << value.name;
}

class DamagedDdsFile : public testing::TestWithParam<DamagedDds> {};

TEST_P(DamagedDdsFile, IsReportedByNameAndTheGameGoesOn)
{
    GameTree tree;
    tree.useSmallWindow();
    tree.writeFile(WoodTexture, assetPrefix(WoodTexture, GetParam().keptBytes));
    const GameRun run = tree.run("--run_headless --filename shot");
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    const std::string tail = "wood_texture.dds] because the file (" + std::to_string(GetParam().keptBytes) +
                             " bytes) ends before the end of its base level.";
    EXPECT_GE(lineIndexMatching(run.output, "Unable to load DDS image file [", tail), 0) << run.output;
    EXPECT_EQ(linesContaining(run.output, "Unable to load DDS image file"), 1) << run.output;
    EXPECT_TRUE(readPpm((tree.root() / "shot.ppm").string()).valid);
}

INSTANTIATE_TEST_SUITE_P(Robustness, DamagedDdsFile,
                         testing::Values(DamagedDds{"HeaderOnly", DdsHeaderBytes},
                                         DamagedDds{"Truncated", DdsHeaderBytes + 1000}),
                         [](const testing::TestParamInfo<DamagedDds>& info) { return info.param.name; });

// A PNG saved under the texture's name is no DDS file: the player is told which file.
TEST(Robustness, APngRenamedAsTheWoodTextureIsNamedAndTheGameGoesOn)
{
    GameTree tree;
    tree.useSmallWindow();
    tree.writeFile(WoodTexture, makeBlackPng(4, 4));
    const GameRun run = tree.run("--run_headless --filename shot");
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    EXPECT_GE(lineIndexMatching(run.output, "Unable to load DDS image file from path[", "wood_texture.dds]"),
              0)
        << run.output;
    EXPECT_EQ(linesContaining(run.output, "Unable to load DDS image file"), 1) << run.output;
    EXPECT_TRUE(readPpm((tree.root() / "shot.ppm").string()).valid);
}

struct MaterialImage {
    const char* name;
    bool present;
    std::uint32_t side;        // texels of a square black PNG; 0 writes an empty file
    std::string expectedLine;  // empty: the image loads without a line
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const MaterialImage& value, std::ostream* out)
{
    *out << value.name;
}

class MaterialImageFile : public testing::TestWithParam<MaterialImage> {};

TEST_P(MaterialImageFile, GivesTheExpectedLineAndTheGameGoesOn)
{
    const MaterialImage& image = GetParam();
    GameTree tree(image.present ? std::set<std::string>{} : std::set<std::string>{RiddleImage});
    tree.useSmallWindow();
    if (image.present)
        tree.writeFile(RiddleImage, image.side > 0 ? makeBlackPng(image.side, image.side) : "");
    const GameRun run = tree.run("--run_headless --filename shot");
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    if (image.expectedLine.empty())
        EXPECT_EQ(linesContaining(run.output, RiddleImageAsNamed), 0) << run.output;
    else
        EXPECT_GE(lineIndex(run.output, image.expectedLine), 0) << run.output;
    EXPECT_LE(linesContaining(run.output, RiddleImageAsNamed), 1) << run.output;
    EXPECT_TRUE(readPpm((tree.root() / "shot.ppm").string()).valid);
}

const std::string FailedRiddleImage = std::string("Texture failed to load at path: ") + RiddleImageAsNamed;

INSTANTIATE_TEST_SUITE_P(Robustness, MaterialImageFile,
                         testing::Values(MaterialImage{"Missing", false, 0, FailedRiddleImage},
                                         MaterialImage{"ZeroBytes", true, 0, FailedRiddleImage},
                                         MaterialImage{"OnePixel", true, 1, ""},
                                         MaterialImage{"SixteenThousandSquare", true, 16384,
                                                       std::string("Texture too large to load at path: ") +
                                                           RiddleImageAsNamed +
                                                           " (image is 16384 x 16384, larger than 8192)"}),
                         [](const testing::TestParamInfo<MaterialImage>& info) { return info.param.name; });

}  // namespace
