// Damaged settings files through the real executable: the game keeps what
// parsed, falls back to defaults for the rest, and starts.
#include <gtest/gtest.h>

#include "support/ppm_image.h"
#include "support/game_tree.h"
#include "support/output_lines.h"

namespace {

constexpr std::size_t TenMegabytes = 10u * 1024u * 1024u;

// Every byte value but the line feed, over and over: no line ends inside it.
std::string binaryGarbage(std::size_t length)
{
    std::string bytes;
    for (std::size_t i = 0; bytes.size() < length; ++i) {
        const char byte = static_cast<char>(i % 256);
        if (byte != '\n')
            bytes += byte;
    }
    return bytes;
}

std::string garbageTail()
{
    return binaryGarbage(64 * 1024);
}

std::string overLongLines()
{
    return "title = " + std::string(5000, 'k') + "\n" + std::string(3000, '[') + "\n" +
           std::string(4000, '=') + "\nrefresh_rate = 60\n";
}

std::string tenMegabyteValue()
{
    return "title = " + std::string(TenMegabytes, 'x') + "\n";
}

struct DamagedWindowFile {
    const char* name;
    std::string (*tail)();  // what follows the good width and height lines
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const DamagedWindowFile& value, std::ostream* out)
{
    *out << value.name;
}

class DamagedWindowSettings : public testing::TestWithParam<DamagedWindowFile> {};

TEST_P(DamagedWindowSettings, TheGameStartsWithTheLinesThatParsed)
{
    GameTree tree;
    tree.writeFile("assets/settings/window.ini", std::string(SmallWindow) + GetParam().tail());
    const GameRun run = tree.run("--run_headless --filename shot");
    ASSERT_EQ(run.exitStatus, 0) << run.output.substr(0, 4000);
    EXPECT_EQ(linesContaining(run.output, "Failed to load 'assets/settings/window.ini'"), 0);
    EXPECT_GE(lineIndex(run.output, "OpenGL initialized successfully."), 0);
    const PpmImage shot = readPpm((tree.root() / "shot.ppm").string());
    ASSERT_TRUE(shot.valid);
    EXPECT_EQ(shot.width, 160);
    EXPECT_EQ(shot.height, 120);
}

INSTANTIATE_TEST_SUITE_P(Robustness, DamagedWindowSettings,
                         testing::Values(DamagedWindowFile{"BinaryGarbage", garbageTail},
                                         DamagedWindowFile{"OverLongLines", overLongLines},
                                         DamagedWindowFile{"TenMegabyteValue", tenMegabyteValue}),
                         [](const testing::TestParamInfo<DamagedWindowFile>& info) {
                             return info.param.name;
                         });

TEST(Robustness, GarbageBeforeTheGoodLinesStillLetsTheGameStartWithDefaults)
{
    GameTree tree;
    tree.writeFile("assets/settings/camera_front.ini", binaryGarbage(4096) + "\n[camera]\nfov = 70\n");
    tree.useSmallWindow();
    const GameRun run = tree.run("--run_headless --filename shot");
    ASSERT_EQ(run.exitStatus, 0) << run.output.substr(0, 4000);
    EXPECT_TRUE(readPpm((tree.root() / "shot.ppm").string()).valid);
}

}  // namespace
