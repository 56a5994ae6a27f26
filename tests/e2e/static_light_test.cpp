// The light baked once at start-up against the per-pixel light it stands in
// for, both rendered by the real game: at the README's three views and at ten
// points along the route to the goal, the stored frame differs from the
// per-pixel frame by at most 3/255 per channel on average, and at most 1% of
// its pixels differ by more than 16/255.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/game_tree.h"
#include "support/output_lines.h"
#include "support/ppm_image.h"
#include "support/test_files.h"

namespace {

constexpr double MaxMeanDifference = 3.0;
constexpr int LargeDifference = 16;
constexpr double MaxShareOfLargeDifferences = 0.01;

// Runs the game twice with `arguments`, once per lighting, and compares every
// screenshot named in `shots` between the two.
void expectStoredLightMatchesPerPixel(const GameTree& tree, const std::string& arguments,
                                      const std::vector<std::string>& shots, const std::string& what)
{
    for (const char* lighting : {"stored", "per_pixel"}) {
        const GameRun run = tree.run(arguments + " --lighting " + lighting + " --filename " + lighting);
        ASSERT_EQ(run.exitStatus, 0) << what << ", " << lighting << ":\n" << run.output;
    }
    for (const std::string& shot : shots) {
        const PpmImage stored = readPpm((tree.root() / ("stored" + shot + ".ppm")).string());
        const PpmImage perPixel = readPpm((tree.root() / ("per_pixel" + shot + ".ppm")).string());
        ASSERT_TRUE(stored.valid && perPixel.valid) << what << shot;
        // A black or empty frame would match itself: both must show the level.
        EXPECT_GT(perPixel.meanBrightness(), 2.0) << what << shot;
        const ImageDifference difference = compareImages(stored, perPixel, LargeDifference);
        EXPECT_LE(difference.meanPerChannel, MaxMeanDifference) << what << shot;
        EXPECT_LE(difference.shareAbove, MaxShareOfLargeDifferences) << what << shot;
        std::printf("%s%s: mean difference %.3f / 255, %.3f%% of pixels above 16 / 255\n", what.c_str(),
                    shot.c_str(), difference.meanPerChannel, 100.0 * difference.shareAbove);
    }
}

// The README's pictures, at the window size they were taken at.
TEST(StaticLight, MatchesPerPixelLightAtTheReadmeViews)
{
    GameTree tree;
    expectStoredLightMatchesPerPixel(tree, "--run_headless", {""}, "start view");
    expectStoredLightMatchesPerPixel(tree, "--run_headless --init_camera assets/settings/camera_door.ini",
                                     {""}, "door view");
    expectStoredLightMatchesPerPixel(tree, "--run_headless --play_demo '" + demoPath("skeleton.demo") + "'",
                                     {""}, "skeleton view");
}

// Ten frames spread over the route, in a smaller window to keep the two
// replays short.
TEST(StaticLight, MatchesPerPixelLightAlongTheRouteToTheGoal)
{
    GameTree tree;
    tree.writeFile("assets/settings/window.ini", "[window]\nwidth = 400\nheight = 400\n");
    std::string frames;
    std::vector<std::string> shots;
    for (int frame = 100; frame <= 1270; frame += 130) {
        frames += (frames.empty() ? "" : ",") + std::to_string(frame);
        shots.push_back("_" + std::to_string(frame));
    }
    expectStoredLightMatchesPerPixel(
        tree, "--run_headless --play_demo '" + demoPath("goal.demo") + "' --screenshot_frames " + frames,
        shots, "goal route, frame");
}

}  // namespace

namespace {

TEST(StaticLight, BadMeasurementOptionsAreRefusedBeforeAWindowOpens)
{
    GameTree tree;
    const std::pair<const char*, const char*> cases[] = {
        {"--lighting baked", "ERROR: --lighting takes stored or per_pixel, not 'baked'"},
        {"--draw lit", "ERROR: --draw takes full, unlit, no_map or clear, not 'lit'"},
        {"--screenshot_frames 0,5",
         "ERROR: --screenshot_frames takes frame numbers from 1 separated by commas, not '0,5'"},
        {"--play_demo '" KORVEL_SOURCE_DIR "/tests/demos/goal.demo' --timedemo_csv times.csv",
         "ERROR: --timedemo_csv needs --timedemo"},
        {"--play_demo '" KORVEL_SOURCE_DIR
         "/tests/demos/goal.demo' --timedemo --timedemo_csv no/such/times.csv",
         "ERROR: Could not create frame times file 'no/such/times.csv'"},
    };
    for (const auto& [arguments, line] : cases) {
        const GameRun run = tree.run(std::string("--run_headless ") + arguments);
        EXPECT_EQ(run.exitStatus, 2) << arguments << "\n" << run.output;
        EXPECT_GE(lineIndex(run.output, line), 0) << arguments << "\n" << run.output;
        EXPECT_LT(lineIndex(run.output, "GLFW was initialized."), 0) << arguments;
    }
}

}  // namespace

namespace {

// The light baked at the first start is stored beside the game and read back at
// the next, with the same frame; a stored file that is stale or damaged is
// refused, baked afresh and replaced by a good one.
TEST(StaticLight, AStoredBakeIsReadBackAndAStaleOrDamagedOneIsBakedAgain)
{
    GameTree tree;
    tree.useSmallWindow();
    const std::filesystem::path stored = tree.root() / "build" / "static_light.bin";
    const auto frameOfARun = [&tree](const std::string& what) {
        const GameRun run = tree.run("--run_headless --filename shot");
        EXPECT_EQ(run.exitStatus, 0) << what << "\n" << run.output;
        return readWholeFile((tree.root() / "shot.ppm").string());
    };
    const std::string baked = frameOfARun("first start");
#ifndef __linux__
    // The key needs the game's build id, which only the Linux build reads of
    // itself: elsewhere every start bakes and nothing is stored.
    EXPECT_EQ(frameOfARun("second start"), baked);
    EXPECT_FALSE(std::filesystem::exists(stored));
    return;
#endif
    ASSERT_TRUE(std::filesystem::exists(stored));
    const std::string good = readWholeFile(stored.string());
    const auto writtenAt = std::filesystem::last_write_time(stored);

    EXPECT_EQ(frameOfARun("second start"), baked);
    EXPECT_EQ(std::filesystem::last_write_time(stored), writtenAt) << "read, not baked again";

    const std::pair<const char*, std::size_t> damages[] = {{"a texel altered", good.size() / 2},
                                                           {"its key altered", 24}};
    for (const auto& [what, byte] : damages) {
        std::string damaged = good;
        damaged[byte] ^= 0x40;
        writeWholeFile(stored.string(), damaged);
        EXPECT_EQ(frameOfARun(what), baked) << what;
        EXPECT_TRUE(readWholeFile(stored.string()) == good) << what << ": not replaced by a fresh bake";
    }

    // The lighting the bake draws with lives in a file the model shader includes.
    tree.writeFile("assets/shaders/lighting.glsl",
                   readWholeFile(sourceTreePath("assets/shaders/lighting.glsl")) + "// changed\n");
    EXPECT_EQ(frameOfARun("a changed lighting file"), baked);
    EXPECT_FALSE(readWholeFile(stored.string()) == good) << "a changed lighting file reused the stored light";
}

}  // namespace
