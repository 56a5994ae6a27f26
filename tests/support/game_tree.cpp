#include "game_tree.h"

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <sstream>

#include <gtest/gtest.h>

#include "support/test_files.h"

namespace fs = std::filesystem;

namespace {

bool isLeftOut(const std::string& relative, const std::set<std::string>& leftOut)
{
    for (const std::string& entry : leftOut) {
        if (relative == entry || relative.rfind(entry + "/", 0) == 0)
            return true;
    }
    return false;
}

}  // namespace

// A GL debug message is a fault of the game (or a driver problem worth a look),
// even when the run otherwise looks right.
void expectNoGlDebugMessages(const std::string& arguments, const std::string& output,
                             const std::vector<std::string>& expected)
{
    std::istringstream lines(output);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.find("OpenGL Error:") == std::string::npos)
            continue;
        bool isExpected = false;
        for (const std::string& text : expected)
            isExpected = isExpected || line.find(text) != std::string::npos;
        if (!isExpected)
            ADD_FAILURE() << "korvel " << arguments << " printed a GL debug message: " << line;
    }
}

std::string demoPath(const std::string& name)
{
    return sourceTreePath("tests/demos/" + name);
}

GameTree::GameTree(const std::set<std::string>& leftOut)
{
    const fs::path& rootPath = folder.root();
    const fs::path source = sourceTreePath("");
    writeFile("CMakeLists.txt", "# marks the root of this copy of the game\n");
    for (const auto& entry : fs::recursive_directory_iterator(source / "assets")) {
        if (!entry.is_regular_file())
            continue;
        const std::string relative = fs::relative(entry.path(), source).generic_string();
        if (isLeftOut(relative, leftOut))
            continue;
        fs::create_directories((rootPath / relative).parent_path());
        fs::create_symlink(entry.path(), rootPath / relative);
    }
    // A copy, not a link: the game finds its assets from its own resolved path.
    fs::create_directories(rootPath / "build");
    fs::copy_file(KORVEL_EXECUTABLE, rootPath / "build" / "korvel");
}

void GameTree::writeFile(const std::string& relativePath, const std::string& content) const
{
    // Removed first: the file may be a link to the real asset, which must stay as it is.
    const std::string path = folder.path(relativePath);
    fs::remove(path);
    writeWholeFile(path, content);
}

namespace {

GameRun runCommand(const std::string& command)
{
    GameRun result;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return result;
    std::array<char, 4096> buffer{};
    std::size_t count = 0;
    while ((count = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        result.output.append(buffer.data(), count);
    const int status = pclose(pipe);
    result.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

}  // namespace

GameRun GameTree::run(const std::string& arguments, const std::vector<std::string>& expectedGlMessages) const
{
    const GameRun result =
        runCommand("cd '" + root().string() + "' && ./build/korvel " + arguments + " </dev/null 2>&1");
    expectNoGlDebugMessages(arguments, result.output, expectedGlMessages);
    return result;
}

GameRun GameTree::runScript(const std::string& script) const
{
    writeFile("run.sh", script);
    const GameRun result = runCommand("cd '" + root().string() + "' && bash run.sh </dev/null 2>&1");
    expectNoGlDebugMessages("(script)", result.output, {});
    return result;
}
