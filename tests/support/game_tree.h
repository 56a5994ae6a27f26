// A throw-away copy of the game's tree for end-to-end runs of the real executable.
//
// The copy holds the executable under build/, a CMakeLists.txt marker at its root
// and the asset files as links to the real ones (copies on Windows), so a test
// can leave a file out or put one of its own in without touching the repository.
// Its folder's name has a space and letters from outside any one code page, as a
// player's folder may: every end-to-end run shows the game finds and writes its
// files there.
#pragma once

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "support/scratch_folder.h"

// 160 x 120 keeps a software-rendered frame quick.
inline const char* const SmallWindow = "[window]\nwidth = 160\nheight = 120\n";

// The path of a committed demo, tests/demos/`name`.
std::string demoPath(const std::string& name);

struct GameRun {
    int exitStatus = -1;
    std::string output;  // standard output and standard error, interleaved
};

class GameTree {
public:
    // `leftOut`: asset paths relative to the project root ("assets/shaders/quad.frag")
    // or whole folders ("assets/settings") that the copy does not get.
    // `executableFolder`: where below the root the executable goes.
    explicit GameTree(const std::set<std::string>& leftOut = {},
                      const std::string& executableFolder = "build");

    // Writes (or replaces) a file of the copy, relative to its root.
    void writeFile(const std::string& relativePath, const std::string& content) const;

    // Writes the small window into the copy's window settings.
    void useSmallWindow() const { writeFile("assets/settings/window.ini", SmallWindow); }

    // Runs the executable with `arguments` (quoted for a POSIX shell, single quotes
    // only: on Windows they become double quotes), the root as working
    // directory, no standard input, under the display the test runs with.
    // Every "OpenGL Error:" line (the game prints each GL debug message so) fails
    // the calling test, unless it contains one of `expectedGlMessages`.
    GameRun run(const std::string& arguments, const std::vector<std::string>& expectedGlMessages = {}) const;

    // Runs a bash script in the root (the game is ./build/korvel there, on
    // Windows korvel.exe under Wine), with no standard input; its output is the
    // script's, standard error included. The game's GL debug messages fail the
    // calling test as above.
    GameRun runScript(const std::string& script) const;

    const std::filesystem::path& root() const { return folder.root(); }

private:
    ScratchFolder folder{"korvel-e2e Spiele – Ärger 迷宫"};
    std::string executableFolder;
};

// Fails the calling test (non-fatally) for each "OpenGL Error:" line of `output`
// that contains none of `expected`; GameTree::run applies it to every run.
void expectNoGlDebugMessages(const std::string& arguments, const std::string& output,
                             const std::vector<std::string>& expected);
