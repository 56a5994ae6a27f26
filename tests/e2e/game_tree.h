// A throw-away copy of the game's tree for end-to-end runs of the real executable.
//
// The copy holds the executable under build/, a CMakeLists.txt marker at its root
// and the asset files as links to the real ones, so a test can leave a file out
// or put one of its own in without touching the repository.
#pragma once

#include <filesystem>
#include <set>
#include <string>
#include <vector>

struct GameRun {
    int exitStatus = -1;
    std::string output;  // standard output and standard error, interleaved
};

class GameTree {
public:
    // `leftOut`: asset paths relative to the project root ("assets/shaders/quad.frag")
    // or whole folders ("assets/settings") that the copy does not get.
    explicit GameTree(const std::set<std::string>& leftOut = {});
    ~GameTree();
    GameTree(const GameTree&) = delete;
    GameTree& operator=(const GameTree&) = delete;

    // Writes (or replaces) a file of the copy, relative to its root.
    void writeFile(const std::string& relativePath, const std::string& content) const;

    // Runs build/korvel with `arguments` (already quoted), the root as working
    // directory, no standard input, under the display the test runs with.
    // Every "OpenGL Error:" line (the game prints each GL debug message so) fails
    // the calling test, unless it contains one of `expectedGlMessages`.
    GameRun run(const std::string& arguments,
                const std::vector<std::string>& expectedGlMessages = {}) const;

    const std::filesystem::path& root() const { return rootPath; }

private:
    std::filesystem::path rootPath;
};

// Fails the calling test (non-fatally) for each "OpenGL Error:" line of `output`
// that contains none of `expected`; GameTree::run applies it to every run.
void expectNoGlDebugMessages(const std::string& arguments, const std::string& output,
                             const std::vector<std::string>& expected);

// Index of `line` among the output's lines, or -1.
int lineIndex(const std::string& output, const std::string& line);
