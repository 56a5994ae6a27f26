#include "framework/asset_search.h"

#include <filesystem>
#include <fstream>

#include "framework/console.h"
#include "framework/file_path.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

const char* const ProjectRootMarker = "CMakeLists.txt";

namespace {

// The system writes the executable's path into a buffer of this many characters; a
// result that fills it may have been cut short.
constexpr std::size_t ExecutablePathCapacity = 1337;

// A path counts as present when it opens for reading as a file; an ifstream on a
// directory opens on Linux, so directories are ruled out explicitly.
bool isReadableFile(const std::filesystem::path& path)
{
    std::error_code error;
    if (std::filesystem::is_directory(path, error))
        return false;
    std::ifstream stream(path);
    return stream.good();
}

}  // namespace

std::vector<std::string> findCandidatesUpwards(const std::string& startDir, const std::string& relativePath)
{
    std::vector<std::string> candidates;
    // An absolute path names one file wherever the walk stands; joining it to each
    // folder would only list that file once per level and call it ambiguous.
    const std::filesystem::path relative = filePath(relativePath);
    if (relative.is_absolute()) {
        if (isReadableFile(relative))
            candidates.push_back(relativePath);
        return candidates;
    }
    std::filesystem::path dir = filePath(startDir);
    while (true) {
        const std::filesystem::path candidate = dir / relative;
        if (isReadableFile(candidate))
            candidates.push_back(utf8Path(candidate));
        if (isReadableFile(dir / ProjectRootMarker))
            break;
        const std::filesystem::path parent = dir.parent_path();
        if (parent == dir || parent.empty())
            break;
        dir = parent;
    }
    return candidates;
}

std::vector<std::string> ambiguityReport(const std::string& relativePath,
                                         const std::vector<std::string>& candidates)
{
    std::vector<std::string> lines;
    lines.push_back("Ambiguous asset file path: '" + relativePath +
                    "'Found this path at multiple locations. Don't know which one shall be "
                    "used. Candidates are:");
    for (const std::string& candidate : candidates)
        lines.push_back("  - " + candidate);
    lines.push_back("Remove all duplicates to fix this!");
    return lines;
}

std::string chooseCandidate(const std::string& relativePath, const std::vector<std::string>& candidates)
{
    if (candidates.empty())
        return "";
    if (candidates.size() > 1)
        fatalError(ambiguityReport(relativePath, candidates));
    return candidates.front();
}

std::string findFileUpwardsFrom(const std::string& startDir, const std::string& relativePath)
{
    return chooseCandidate(relativePath, findCandidatesUpwards(startDir, relativePath));
}

#ifdef _WIN32
// The wide call: the narrow one answers in the system's code page, which cannot
// spell every folder name a user may have.
std::string executablePath()
{
    wchar_t buffer[ExecutablePathCapacity] = {};
    const DWORD length = GetModuleFileNameW(nullptr, buffer, ExecutablePathCapacity);
    if (length == 0 || length >= ExecutablePathCapacity)
        fatalError("Error retrieving executable path on Windows!");
    return utf8Path(std::filesystem::path(std::wstring(buffer, length)));
}
#else
std::string executablePath()
{
    char buffer[ExecutablePathCapacity] = {};
    const ssize_t length = readlink("/proc/self/exe", buffer, ExecutablePathCapacity);
    if (length <= 0 || static_cast<std::size_t>(length) >= ExecutablePathCapacity)
        fatalError("Error retrieving executable path on Linux!");
    return std::string(buffer, static_cast<std::size_t>(length));
}
#endif

std::string executableDirectory()
{
    return utf8Path(filePath(executablePath()).parent_path());
}

std::string findFileUpwards(const std::string& relativePath)
{
    return findFileUpwardsFrom(executableDirectory(), relativePath);
}

std::string findAssetFile(const std::string& relativePath)
{
    const std::string found = findFileUpwards(relativePath);
    if (found.empty())
        fatalError("Could not find texture file: " + relativePath);
    return found;
}

std::string findShaderFile(const std::string& relativePath)
{
    const std::string found = findFileUpwards(relativePath);
    if (found.empty())
        fatalError("Could not find shader file: " + relativePath);
    return found;
}
