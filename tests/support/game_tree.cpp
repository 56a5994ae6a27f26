#include "game_tree.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/wait.h>
#endif

#include <algorithm>
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

#ifdef _WIN32
// Runs `commandLine` in `folder` with no input and its console output on a
// pipe, read until every process that holds the pipe has ended. Console lines
// end in CR LF on Windows, and arrive as the LF the tests look for.
GameRun runProcess(const wchar_t* program, std::wstring commandLine, const fs::path& folder)
{
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    HANDLE output = nullptr;
    HANDLE childOutput = nullptr;
    CreatePipe(&output, &childOutput, &inherited, 0);
    SetHandleInformation(output, HANDLE_FLAG_INHERIT, 0);
    HANDLE noInput = CreateFileW(L"NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherited,
                                 OPEN_EXISTING, 0, nullptr);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = noInput;
    startup.hStdOutput = childOutput;
    startup.hStdError = childOutput;
    PROCESS_INFORMATION child{};
    const bool started = CreateProcessW(program, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                        folder.c_str(), &startup, &child);
    CloseHandle(childOutput);
    CloseHandle(noInput);
    GameRun result;
    if (started) {
        std::array<char, 4096> buffer{};
        DWORD count = 0;
        while (ReadFile(output, buffer.data(), static_cast<DWORD>(buffer.size()), &count, nullptr) &&
               count > 0)
            result.output.append(buffer.data(), count);
        WaitForSingleObject(child.hProcess, INFINITE);
        DWORD status = 0;
        GetExitCodeProcess(child.hProcess, &status);
        result.exitStatus = static_cast<int>(status);
        CloseHandle(child.hThread);
        CloseHandle(child.hProcess);
    }
    CloseHandle(output);
    for (std::size_t at = result.output.find("\r\n"); at != std::string::npos;
         at = result.output.find("\r\n", at))
        result.output.erase(at, 1);
    return result;
}

// The game starts directly. The tests quote arguments for a POSIX shell, with
// single quotes; Windows' command line wants double ones.
GameRun runGame(const fs::path& root, const std::string& folder, const std::string& arguments)
{
    std::string quoted = arguments;
    std::replace(quoted.begin(), quoted.end(), '\'', '"');
    const fs::path executable = root / fs::u8path(folder) / "korvel.exe";
    return runProcess(executable.c_str(),
                      L"\"" + executable.wstring() + L"\" " + fs::u8path(quoted).wstring(), root);
}

// Scripts drive the game with the X11 tools (xdotool, Xvfb), which a Windows
// build meets only under Wine: there drive Z: is the Linux root, and a Linux
// program started from a Windows one runs as itself. Wine neither waits for
// such a child nor hands it a pipe, so the script writes its output to a file
// and renames it when it is done; its exit status stays unknown.
GameRun runScript(const fs::path& root)
{
    const fs::path done = root / "run.output";
    fs::remove(done);
    writeWholeFile((root / "start.sh").u8string(), "bash run.sh </dev/null >run.partial 2>&1\n"
                                                   "mv run.partial run.output\n");
    GameRun result = runProcess(nullptr, L"Z:\\bin\\bash start.sh", root);
    // Ten minutes at most, more than any script here takes.
    for (int waited = 0; waited < 6000 && !fs::exists(done); ++waited)
        Sleep(100);
    result.exitStatus = -1;
    result.output = fs::exists(done) ? readWholeFile(done.u8string()) : "(the script did not finish)\n";
    return result;
}
#else
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

GameRun runGame(const fs::path& root, const std::string& folder, const std::string& arguments)
{
    return runCommand("cd '" + root.string() + "' && './" + folder + "/korvel' " + arguments +
                      " </dev/null 2>&1");
}

GameRun runScript(const fs::path& root)
{
    return runCommand("cd '" + root.string() + "' && bash run.sh </dev/null 2>&1");
}
#endif

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

GameTree::GameTree(const std::set<std::string>& leftOut, const std::string& executableFolder)
    : executableFolder(executableFolder)
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
#ifdef _WIN32
        // A link needs a privilege on Windows; the assets are small.
        fs::copy_file(entry.path(), rootPath / relative);
#else
        fs::create_symlink(entry.path(), rootPath / relative);
#endif
    }
    // A copy, not a link: the game finds its assets from its own resolved path.
    // On Windows its two DLLs go beside it, as in the players' package.
    const fs::path executable = KORVEL_EXECUTABLE;
    const fs::path target = rootPath / fs::u8path(executableFolder);
    fs::create_directories(target);
    fs::copy_file(executable, target / executable.filename());
    for (const auto& entry : fs::directory_iterator(executable.parent_path())) {
        if (entry.path().extension() == ".dll")
            fs::copy_file(entry.path(), target / entry.path().filename());
    }
}

void GameTree::writeFile(const std::string& relativePath, const std::string& content) const
{
    // Removed first: the file may be a link to the real asset, which must stay as it is.
    const std::string path = folder.path(relativePath);
    fs::remove(path);
    writeWholeFile(path, content);
}

GameRun GameTree::run(const std::string& arguments, const std::vector<std::string>& expectedGlMessages) const
{
    GameRun result = runGame(root(), executableFolder, arguments);
    expectNoGlDebugMessages(arguments, result.output, expectedGlMessages);
    return result;
}

GameRun GameTree::runScript(const std::string& script) const
{
#ifdef _WIN32
    // The script's korvel starts korvel.exe under Wine, in the Wine set-up the
    // tests run in.
    writeFile(executableFolder + "/korvel", "#!/bin/sh\nexec wine \"$(dirname \"$0\")/korvel.exe\" \"$@\"\n");
    writeFile("run.sh", "chmod +x '" + executableFolder + "/korvel'\n" + script);
#else
    writeFile("run.sh", script);
#endif
    const GameRun result = ::runScript(root());
    expectNoGlDebugMessages("(script)", result.output, {});
    return result;
}
