// End-to-end runs of recorded demos: the same input, frame by frame, gives the
// same run, and the rules of the level show in the console lines.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

#include "support/game_tree.h"
#include "support/test_files.h"
#include "support/output_lines.h"
#include "support/ppm_image.h"

namespace {

GameRun playDemo(const std::string& name, const std::string& extra = "")
{
    GameTree tree;
    tree.useSmallWindow();
    return tree.run("--run_headless --play_demo '" + demoPath(name) + "' " + extra);
}

// The lines that carry the game's own messages, in order.
std::vector<std::string> gameLines(const std::string& output)
{
    const char* const prefixes[] = {"You won!", "Health: ",   "Game Over!",
                                    "Player: ", "Quick Save", "Restart"};
    std::vector<std::string> lines;
    std::istringstream input(output);
    std::string line;
    while (std::getline(input, line)) {
        for (const char* prefix : prefixes) {
            if (line.rfind(prefix, 0) == 0)
                lines.push_back(line);
        }
    }
    return lines;
}

TEST(Demo, TheRouteToTheGoalWinsAndEndsBackInTheStartRoom)
{
    const GameRun run = playDemo("goal.demo");
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    const std::vector<std::string> expected{"You won!", "Player: X: 5, Y: 1.9, Z: 5"};
    EXPECT_EQ(gameLines(run.output), expected) << run.output;
}

TEST(Demo, AHazardZoneSendsThePlayerBackToTheCheckpoint)
{
    const GameRun run = playDemo("hazard.demo");
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    const std::vector<std::string> expected{"Player: X: 4, Y: 1.9, Z: 4"};
    EXPECT_EQ(gameLines(run.output), expected) << run.output;
}

TEST(Demo, SpiderBitesCostHealthDownToGameOverAndARespawn)
{
    const GameRun run = playDemo("spider.demo");
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    const std::vector<std::string> expected{"Health: 2", "Health: 1", "Health: 0", "Game Over!",
                                            "Player: X: 4, Y: 1.9, Z: 4"};
    EXPECT_EQ(gameLines(run.output), expected) << run.output;
}

TEST(Demo, AFallBelowTheLevelReturnsToTheQuickSave)
{
    const GameRun run = playDemo("checkpoint.demo");
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    const std::vector<std::string> lines = gameLines(run.output);
    ASSERT_EQ(lines.size(), 2u) << run.output;
    EXPECT_EQ(lines[0], "Quick Save");
    // Saved at crossing A, far from the start room and from the chasm.
    float x = 0.0f, y = 0.0f, z = 0.0f;
    ASSERT_EQ(std::sscanf(lines[1].c_str(), "Player: X: %f, Y: %f, Z: %f", &x, &y, &z), 3);
    EXPECT_NEAR(x, 2.45f, 0.3f);
    EXPECT_NEAR(y, 1.85f, 0.1f);
    EXPECT_NEAR(z, -42.5f, 0.3f);
}

TEST(Demo, TwoReplaysPrintTheSameLinesAndLeaveTheSamePicture)
{
    GameTree tree;
    tree.useSmallWindow();
    const std::string demo = "--play_demo '" + demoPath("goal.demo") + "'";
    const GameRun first = tree.run("--run_headless --filename first " + demo);
    const GameRun second = tree.run("--run_headless --filename second " + demo);
    ASSERT_EQ(first.exitStatus, 0) << first.output;
    EXPECT_EQ(first.output, second.output);
    EXPECT_EQ(readWholeFile((tree.root() / "first.ppm").string()),
              readWholeFile((tree.root() / "second.ppm").string()));
}

#ifdef _WIN32
// Windows' maths library rounds sine, cosine and arc tangent differently from
// Linux's in the last bit, so a route steered on Windows drifts from the demo
// recorded on Linux within a few hundred frames (the Linux build checks the
// routes). What holds on both is the file: a committed demo recorded again while
// it plays comes out byte for byte the same, LF line ends and every digit.
TEST(Demo, EveryCommittedDemoRecordedAgainWhileItPlaysHasTheSameBytes)
{
    GameTree tree;
    tree.useSmallWindow();
    for (const char* name : {"goal", "hazard", "spider", "checkpoint", "skeleton"}) {
        const std::string committed = demoPath(std::string(name) + ".demo");
        const std::string recorded = (tree.root() / (std::string(name) + ".demo")).u8string();
        const GameRun run = tree.run("--run_headless --draw clear --play_demo '" + committed +
                                     "' --record_demo '" + recorded + "'");
        ASSERT_EQ(run.exitStatus, 0) << run.output;
        EXPECT_EQ(readWholeFile(recorded), readWholeFile(committed)) << name;
    }
}
#else
TEST(Demo, EveryRouteStillRecordsTheDemoCommittedBesideIt)
{
    // A failure here means the level, the physics or the rules changed how a
    // route plays: record the demos again with tests/demos/record-demos.sh.
    GameTree tree;
    tree.useSmallWindow();
    for (const char* name : {"goal", "hazard", "spider", "checkpoint", "skeleton"}) {
        const std::string recorded = (tree.root() / (std::string(name) + ".demo")).string();
        const GameRun run = tree.run("--run_headless --route '" + demoPath(std::string(name) + ".route") +
                                     "' --record_demo '" + recorded + "'");
        ASSERT_EQ(run.exitStatus, 0) << run.output;
        EXPECT_EQ(readWholeFile(recorded), readWholeFile(demoPath(std::string(name) + ".demo"))) << name;
    }
}
#endif

TEST(Demo, TimedemoPrintsItsFigures)
{
    const GameRun run = playDemo("hazard.demo", "--timedemo");
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    EXPECT_NE(run.output.find("Timedemo: 255 frames, "), std::string::npos) << run.output;
    EXPECT_NE(run.output.find(" fps, frame time p50 "), std::string::npos) << run.output;
}

struct BadDemoRun {
    const char* name;
    const char* content;  // nullptr: the file does not exist
    const char* expectedLine;
};

class BadDemoRunTest : public testing::TestWithParam<BadDemoRun> {};

TEST_P(BadDemoRunTest, IsRefusedBeforeTheWindowOpensWithStatusTwo)
{
    GameTree tree;
    if (GetParam().content != nullptr)
        tree.writeFile("bad.demo", GetParam().content);
    const GameRun run = tree.run("--run_headless --play_demo bad.demo");
    EXPECT_EQ(run.exitStatus, 2) << run.output;
    EXPECT_GE(lineIndex(run.output, GetParam().expectedLine), 0) << run.output;
    EXPECT_EQ(run.output.find("GLFW was initialized."), std::string::npos) << run.output;
}

INSTANTIATE_TEST_SUITE_P(
    Demo, BadDemoRunTest,
    testing::Values(
        BadDemoRun{"Missing", nullptr, "ERROR: Could not open demo file 'bad.demo'"},
        BadDemoRun{
            "WrongVersion", "korvel-demo 7\n0.1 W\n",
            "ERROR: Bad demo file 'bad.demo' line 1: unsupported version '7' (this game reads version 1)"},
        BadDemoRun{"MalformedLine", "korvel-demo 1\n0.1 W\n0.1 W+Jump\n",
                   "ERROR: Bad demo file 'bad.demo' line 3: unknown keys 'W+Jump'"}),
    [](const testing::TestParamInfo<BadDemoRun>& info) { return std::string(info.param.name); });

}  // namespace

namespace {

TEST(Demo, TheSkeletonMovesWhileThePlayerWatchesIt)
{
    // The player stands still facing the skeleton for the last three seconds of
    // the demo; a picture half a second before the end differs from the last
    // one only because the skeleton is animated.
    const std::string full = readWholeFile(demoPath("skeleton.demo"));
    const std::size_t cut = full.size() - 30 * std::string("0.0166666675 -\n").size();
    ASSERT_EQ(full.substr(cut), [] {
        std::string tail;
        for (int i = 0; i < 30; ++i)
            tail += "0.0166666675 -\n";
        return tail;
    }()) << "the skeleton demo should end with still frames";

    GameTree tree;
    tree.useSmallWindow();
    tree.writeFile("earlier.demo", full.substr(0, cut));
    const GameRun earlier = tree.run("--run_headless --filename earlier --play_demo earlier.demo");
    const GameRun later =
        tree.run("--run_headless --filename later --play_demo '" + demoPath("skeleton.demo") + "'");
    ASSERT_EQ(earlier.exitStatus, 0) << earlier.output;
    ASSERT_EQ(later.exitStatus, 0) << later.output;

    const PpmImage first = readPpm((tree.root() / "earlier.ppm").string());
    const PpmImage second = readPpm((tree.root() / "later.ppm").string());
    ASSERT_TRUE(first.valid && second.valid);
    std::size_t changed = 0;
    for (std::size_t i = 0; i + 2 < first.rgb.size(); i += 3) {
        const int difference = std::abs(first.rgb[i] - second.rgb[i]) +
                               std::abs(first.rgb[i + 1] - second.rgb[i + 1]) +
                               std::abs(first.rgb[i + 2] - second.rgb[i + 2]);
        if (difference > 24)
            ++changed;
    }
    EXPECT_GT(changed, 20u) << "the skeleton did not move";
    EXPECT_LT(changed, first.rgb.size() / 3 / 4) << "more than the skeleton changed";
}

}  // namespace
