// A headless run asked for a screenshot it cannot write, through the real executable.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/game_tree.h"
#include "support/output_lines.h"
#ifdef _WIN32
#include "support/refusing_pipe.h"
#endif

namespace {

// The run still shuts down in order; the status tells a script the frame is missing.
TEST(Robustness, AScreenshotInAFolderThatDoesNotExistGivesOneLineAndStatusOne)
{
    GameTree tree;
    tree.useSmallWindow();
    const GameRun run = tree.run("--run_headless --filename no_such_folder/shot");
    EXPECT_EQ(run.exitStatus, 1) << run.output;
    EXPECT_GE(lineIndex(run.output, "ERROR: Could not write screenshot 'no_such_folder/shot.ppm'"), 0)
        << run.output;
    EXPECT_EQ(linesContaining(run.output, "screenshot"), 1) << run.output;
    EXPECT_FALSE(std::filesystem::exists(tree.root() / "no_such_folder"));
}

// A disk that fills while the frame is written: the same line and status as a
// file that cannot be created. The file is /dev/full; on Windows, which has no
// such device, a pipe whose reader has gone.
TEST(Robustness, AScreenshotWhoseBytesCannotBeWrittenGivesOneLineAndStatusOne)
{
    GameTree tree;
    tree.useSmallWindow();
#ifdef _WIN32
    const RefusingPipe full("korvel-full", ".ppm", 0);
    const std::string name = full.path().substr(0, full.path().size() - 4);
#else
    std::filesystem::create_symlink("/dev/full", tree.root() / "full.ppm");
    const std::string name = "full";
#endif
    const GameRun run = tree.run("--run_headless --filename '" + name + "'");
    EXPECT_EQ(run.exitStatus, 1) << run.output;
    EXPECT_GE(lineIndex(run.output, "ERROR: Could not write screenshot '" + name + ".ppm'"), 0) << run.output;
    EXPECT_EQ(linesContaining(run.output, "screenshot"), 1) << run.output;
}

}  // namespace
