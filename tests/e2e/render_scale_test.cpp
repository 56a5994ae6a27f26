// The render scale in the real game: below 1 the frame shows the same scene,
// softer; at 1 the frame is drawn straight into the window as before, and
// under auto, off screen at full size, nearly the same; a bad
// value is refused with one line and the run goes on; a replay plays the same
// game at any scale.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "support/game_tree.h"
#include "support/output_lines.h"
#include "support/ppm_image.h"
#include "support/test_files.h"

namespace {

// Means of `block` x `block` squares: what is left of a picture once its
// resolution no longer shows.
PpmImage blurred(const PpmImage& image, int block)
{
    PpmImage small;
    small.width = image.width / block;
    small.height = image.height / block;
    small.valid = image.valid;
    for (int y = 0; y < small.height; ++y)
        for (int x = 0; x < small.width; ++x)
            for (int channel = 0; channel < 3; ++channel) {
                int sum = 0;
                for (int dy = 0; dy < block; ++dy)
                    for (int dx = 0; dx < block; ++dx)
                        sum += image.rgb[((y * block + dy) * image.width + x * block + dx) * 3 + channel];
                small.rgb.push_back(static_cast<std::uint8_t>((sum + block * block / 2) / (block * block)));
            }
    return small;
}

const char* const UpscaleShaderLine = "Read shader: assets/shaders/upscale.frag";

// After blurring 16 x 16 squares (the 400 x 400 frame becomes 25 x 25), the
// half-scale frame may differ from the full one by 2/255 per channel on
// average, and in at most 5% of the blurred pixels by more than 16/255. The
// lava needs that much: drawn smaller, its texture is read from a coarser mip
// level, whose averaged dark cracks no longer hold the glow under the point
// where it saturates (start view 0.15/255 and 0%, door view 1.0/255 and 3.2%).
constexpr int Blur = 16;
constexpr double MaxBlurredMeanDifference = 2.0;
constexpr double MaxBlurredShareAbove = 0.05;

// Under auto the first frame is drawn at scale 1, into the multisampled
// off-screen target, whose samples are then resolved into a window of one
// sample a pixel. It is the picture of a multisampled window but along a few
// edges, where a sample on the line between two triangles falls to the other
// one in a target drawn the other way up (measured at 400 x 400: start view
// 0.05%, door view 0.55% of the values more than 16/255 off).
constexpr double MaxShareAboveAtFullSizeOffScreen = 0.02;

TEST(RenderScale, HalfScaleShowsTheSameSceneAndFullScaleDrawsStraightIntoTheWindow)
{
    GameTree tree;
    tree.writeFile("assets/settings/window.ini", "[window]\nwidth = 400\nheight = 400\n");
    for (const std::string view : {"", " --init_camera assets/settings/camera_door.ini"}) {
        const auto frame = [&](const std::string& scale, const std::string& name) {
            const GameRun run = tree.run("--run_headless --filename " + name + scale + view);
            EXPECT_EQ(run.exitStatus, 0) << run.output;
            EXPECT_EQ(lineIndex(run.output, UpscaleShaderLine) >= 0, scale == " --render_scale 0.5")
                << scale << view << "\n"
                << run.output;
            return readPpm((tree.root() / (name + ".ppm")).string());
        };
        const PpmImage plain = frame("", "plain");
        const PpmImage one = frame(" --render_scale 1", "one");
        const PpmImage half = frame(" --render_scale 0.5", "half");
        const PpmImage automatic = frame(" --render_scale auto", "auto");
        ASSERT_TRUE(plain.valid && one.valid && half.valid && automatic.valid) << view;
        EXPECT_EQ(one.rgb, plain.rgb) << view;
        const ImageDifference autoDifference = compareImages(automatic, plain, 16);
        EXPECT_LE(autoDifference.shareAbove, MaxShareAboveAtFullSizeOffScreen) << view;
        std::printf("render scale auto, first frame%s: %.3f%% above 16 / 255\n", view.c_str(),
                    100.0 * autoDifference.shareAbove);
        EXPECT_EQ(half.width, 400);
        EXPECT_GT(compareImages(half, plain, 16).shareAbove, 0.0) << "drawn at full size" << view;
        const ImageDifference blurredDifference =
            compareImages(blurred(half, Blur), blurred(plain, Blur), 16);
        EXPECT_LE(blurredDifference.meanPerChannel, MaxBlurredMeanDifference) << view;
        EXPECT_LE(blurredDifference.shareAbove, MaxBlurredShareAbove) << view;
        std::printf("render scale 0.5%s: blurred, mean difference %.3f / 255, %.3f%% above 16 / 255\n",
                    view.c_str(), blurredDifference.meanPerChannel, 100.0 * blurredDifference.shareAbove);
    }
}

TEST(RenderScale, ABadValueGetsOneLineAndTheRunGoesOnWithTheDefault)
{
    GameTree tree;
    const std::pair<const char*, const char*> cases[] = {
        {"render_scale = 2",
         "ERROR: render_scale in assets/settings/window.ini takes a number from 0.25 to 1 or "
         "auto, not '2'; using 1"},
        {"target_fps = fast",
         "ERROR: target_fps in assets/settings/window.ini takes frames per second from 1 to "
         "1000, not 'fast'; using 60"},
        {"min_render_scale = 0",
         "ERROR: min_render_scale in assets/settings/window.ini takes a number from 0.25 "
         "to 1, not '0'; using 0.5"},
    };
    for (const auto& [entry, line] : cases) {
        tree.writeFile("assets/settings/window.ini", std::string(SmallWindow) + entry + "\n");
        const GameRun run = tree.run("--run_headless");
        EXPECT_EQ(run.exitStatus, 0) << run.output;
        EXPECT_GE(lineIndex(run.output, line), 0) << run.output;
        EXPECT_LT(lineIndex(run.output, UpscaleShaderLine), 0) << entry;
    }
    tree.useSmallWindow();
    const GameRun run = tree.run("--run_headless --render_scale 0.1");
    EXPECT_EQ(run.exitStatus, 0) << run.output;
    EXPECT_GE(lineIndex(run.output,
                        "ERROR: --render_scale takes a number from 0.25 to 1 or auto, not '0.1'; using 1"),
              0)
        << run.output;
    EXPECT_LT(lineIndex(run.output, UpscaleShaderLine), 0);
}

// The game's own lines of a run, in order: what the replay did.
std::vector<std::string> gameLines(const std::string& output)
{
    std::vector<std::string> lines;
    std::istringstream input(output);
    std::string line;
    while (std::getline(input, line))
        for (const char* head : {"Health: ", "Game Over!", "Player: "})
            if (line.rfind(head, 0) == 0)
                lines.push_back(line);
    return lines;
}

TEST(RenderScale, AReplayPlaysTheSameGameAtAnyScale)
{
    GameTree tree;
    tree.useSmallWindow();
    std::vector<std::string> atFullSize;
    for (const char* scale : {"1", "0.25", "auto"}) {
        const GameRun run = tree.run("--run_headless --timedemo --render_scale " + std::string(scale) +
                                     " --play_demo '" + demoPath("spider.demo") + "'");
        ASSERT_EQ(run.exitStatus, 0) << run.output;
        if (atFullSize.empty())
            atFullSize = gameLines(run.output);
        EXPECT_EQ(gameLines(run.output), atFullSize) << scale;
    }
    EXPECT_GE(atFullSize.size(), 4u);  // three bites, game over, the last position
}

}  // namespace
