// End-to-end runs of the game's start-up and shutdown through the real executable.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "support/game_tree.h"
#include "support/output_lines.h"
#include "support/ppm_image.h"

namespace {

// A small window keeps each run quick on a software renderer.

TEST(Startup, HeadlessRunPrintsTheStartLinesInOrderAndWritesTheScreenshot)
{
    GameTree tree;
    tree.useSmallWindow();
    const GameRun run = tree.run("--run_headless --filename shot");
    ASSERT_EQ(run.exitStatus, 0) << run.output;

    const char* const inOrder[] = {":::::: WELCOME TO KORVEL 2024 ::::::",
                                   "GLFW was initialized.",
                                   "GLEW was initialized.",
                                   "Framework was initialized.",
                                   "OpenGL initialized successfully.",
                                   "Read shader: assets/shaders/texture.vert",
                                   "Read shader: assets/shaders/skinning.frag"};
    int previous = -1;
    for (const char* line : inOrder) {
        const int index = lineIndex(run.output, line);
        EXPECT_GT(index, previous) << "missing or out of order: " << line << "\n" << run.output;
        previous = index;
    }
    EXPECT_EQ(run.output.find("ERROR"), std::string::npos) << run.output;

    const PpmImage shot = readPpm((tree.root() / "shot.ppm").string());
    ASSERT_TRUE(shot.valid);
    EXPECT_EQ(shot.width, 160);
    EXPECT_EQ(shot.height, 120);
    // The start view: not a black frame, a torch-lit wall, and the lava's red
    // glow on the floor in front of the player.
    EXPECT_GT(shot.meanBrightness(), 6.0);
    EXPECT_GT(shot.shareBrighterThan(60), 0.02);
    EXPECT_GT(shot.redOverGreenBelow(shot.height * 4 / 5), 1.8);
}

TEST(Startup, HelpListsOptionsKeysAndSettingsFilesAndEndsWithoutAWindow)
{
    GameTree tree;
    const GameRun run = tree.run("--help");
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    for (const char* text : {"Usage: korvel [options]", "--run_headless", "--init_camera FILE", "--draw MODE",
                             "F5", "Escape", "Alt+Enter", "F12", "Gamepad", "pauses",
                             "assets/settings/window.ini", "mouse", "assets/settings/renderer_standard.ini"})
        EXPECT_NE(run.output.find(text), std::string::npos) << text << "\n" << run.output;
    EXPECT_LT(lineIndex(run.output, "GLFW was initialized."), 0) << run.output;
}

TEST(Startup, AnUnknownOptionGetsItsLineAndTheRunGoesOn)
{
    GameTree tree;
    tree.useSmallWindow();
    const GameRun run = tree.run("--run-headless --run_headless");
    EXPECT_EQ(run.exitStatus, 0) << run.output;
    const int welcome = lineIndex(run.output, ":::::: WELCOME TO KORVEL 2024 ::::::");
    const int unknown = lineIndex(run.output, "Unknown option: --run-headless (see --help)");
    EXPECT_GT(unknown, welcome) << run.output;
    EXPECT_LT(unknown, lineIndex(run.output, "GLFW was initialized.")) << run.output;
    EXPECT_TRUE(std::filesystem::exists(tree.root() / "screenshot.ppm"));
}

TEST(Startup, WithoutSettingsFilesTheDefaultsGiveAnEightHundredSquareFrame)
{
    GameTree tree({"assets/settings"});
    const GameRun run = tree.run("--run_headless");
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    const int window = lineIndex(
        run.output, "ERROR: Failed to load 'assets/settings/window.ini'. Using default values instead.");
    const int camera =
        lineIndex(run.output,
                  "ERROR: Failed to load 'assets/settings/camera_front.ini'. Using default values instead.");
    const int renderer = lineIndex(
        run.output,
        "ERROR: Failed to load 'assets/settings/renderer_standard.ini'. Using default values instead.");
    EXPECT_GE(window, 0) << run.output;
    EXPECT_GT(camera, window);
    EXPECT_GT(renderer, camera);

    const PpmImage shot = readPpm((tree.root() / "screenshot.ppm").string());
    ASSERT_TRUE(shot.valid);
    EXPECT_EQ(shot.width, 800);
    EXPECT_EQ(shot.height, 800);
}

TEST(Startup, AMissingCameraFileNamedOnTheCommandLineIsReportedByItsOwnName)
{
    GameTree tree;
    tree.useSmallWindow();
    const GameRun run = tree.run("--run_headless --init_camera other.ini");
    EXPECT_EQ(run.exitStatus, 0) << run.output;
    EXPECT_GE(lineIndex(run.output, "ERROR: Failed to load 'other.ini'. Using default values instead."), 0)
        << run.output;
}

TEST(Startup, AWindowWidthOfZeroFailsWithGlfwsReasonAndStatusOne)
{
    GameTree tree;
    tree.writeFile("assets/settings/window.ini", "[window]\nwidth = 0\n");
    const GameRun run = tree.run("--run_headless");
    EXPECT_EQ(run.exitStatus, 1) << run.output;
    const int glfwLine = lineIndex(run.output, "GLFW error 65540: Invalid window size 0x800");
    const int failure = lineIndex(run.output, "ERROR: Failed to create window");
    EXPECT_GE(glfwLine, 0) << run.output;
    EXPECT_GT(failure, glfwLine) << run.output;
}

#ifndef _WIN32
// The system reports the executable's path into 1,337 characters; a path that
// fills them may have been cut short, and the game stops rather than look for
// its assets from a wrong folder. Folders of 200 characters take the game down
// to just short of the limit (whatever the scratch folder's own length) or past
// it. (On Windows tests/windows/executable_path.sh checks the rule from outside
// Wine, whose file calls inside a test program falter on paths this long.)
TEST(Startup, AnExecutablePathOf1337CharactersOrMoreEndsTheRunWithOneLine)
{
    for (const int folders : {5, 7}) {
        std::string deep = "build";
        for (int i = 0; i < folders; ++i)
            deep += "/" + std::string(200, char('a' + i));
        GameTree tree({}, deep);
        tree.useSmallWindow();
        const GameRun run = tree.run("--run_headless");
        const bool tooLong = (tree.root() / deep / "korvel").native().size() >= 1337;
        EXPECT_EQ(tooLong, folders == 7) << "the scratch folder's path is too long for this test";
        EXPECT_EQ(run.exitStatus, tooLong ? 1 : 0) << run.output;
        EXPECT_EQ(lineIndex(run.output, "Error retrieving executable path on Linux!") >= 0, tooLong)
            << run.output;
        EXPECT_EQ(std::filesystem::exists(tree.root() / "screenshot.ppm"), !tooLong) << run.output;
    }
}
#endif

TEST(Startup, AMissingShaderFileEndsTheRunDuringAssembly)
{
    GameTree tree({"assets/shaders/quad.frag"});
    tree.useSmallWindow();
    const GameRun run = tree.run("--run_headless");
    EXPECT_EQ(run.exitStatus, 1) << run.output;
    EXPECT_GE(lineIndex(run.output, "Read shader: assets/shaders/quad.vert"), 0) << run.output;
    EXPECT_GE(lineIndex(run.output, "Could not find shader file: assets/shaders/quad.frag"), 0) << run.output;
}

TEST(Startup, AMissingRiddleModelEndsTheRunAfterTheEarlierModelsLoaded)
{
    GameTree tree({"assets/geometry/riddle/Riddle.obj"});
    tree.useSmallWindow();
    const GameRun run = tree.run("--run_headless");
    EXPECT_EQ(run.exitStatus, 1) << run.output;
    const int missing =
        lineIndex(run.output, "Could not find texture file: assets/geometry/riddle/Riddle.obj");
    ASSERT_GE(missing, 0) << run.output;
    // The map, door and podium made their colliders before the riddle was looked for.
    const std::string before = run.output.substr(0, run.output.find("Could not find texture file"));
    EXPECT_NE(before.find("Triangle mesh created successfully"), std::string::npos) << run.output;
}

}  // namespace

namespace {

TEST(Startup, AScreenshotThatCannotBeWrittenIsReportedAndFailsTheRun)
{
    GameTree tree;
    tree.useSmallWindow();
    const GameRun run = tree.run("--run_headless --filename no/such/folder/shot");
    EXPECT_EQ(run.exitStatus, 1) << run.output;
    EXPECT_GE(lineIndex(run.output, "ERROR: Could not write screenshot 'no/such/folder/shot.ppm'"), 0)
        << run.output;
}

}  // namespace

namespace {

// Every run of the real executable is held to this; it must see the line the
// game's debug callback prints, and let through only what a test expects.
TEST(Startup, AGlDebugMessageFailsTheRunUnlessItIsExpected)
{
    const std::string output =
        "GLEW was initialized.\nOpenGL Error: GL_INVALID_ENUM in glEnable(0xffff) [Source = API, "
        "Type = Error, Severity = High, ID = 1]\nFramework was initialized.\n";
    EXPECT_NONFATAL_FAILURE(expectNoGlDebugMessages("--run_headless", output, {}),
                            "printed a GL debug message: OpenGL Error: GL_INVALID_ENUM");
    expectNoGlDebugMessages("--run_headless", output, {"glEnable(0xffff)"});
    expectNoGlDebugMessages("--run_headless", "GLEW was initialized.\n", {});
}

}  // namespace
