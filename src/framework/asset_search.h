// Resolves the relative asset paths the game names in code ("assets/shaders/model.vert")
// to the one file they denote. The search starts in the executable's folder and walks
// up to the project root, marked by a "CMakeLists.txt"; the working directory plays no
// part. A path found at more than one level is a configuration error that ends the game.
#pragma once

#include <string>
#include <vector>

// Name of the file that marks the project root; the walk never goes above it.
extern const char* const ProjectRootMarker;

// Every existing file (not directory) named startDir/relativePath, then the same
// for each parent folder, nearest first. The walk stops at the first folder holding
// the root marker (after searching it) or at the filesystem root. No I/O beyond
// opening and closing files; paths are joined, never normalised. An absolute path is
// its own single candidate (when it exists), whatever the start directory.
std::vector<std::string> findCandidatesUpwards(const std::string& startDir, const std::string& relativePath);

// The console lines reporting that relativePath was found at several candidates.
std::vector<std::string> ambiguityReport(const std::string& relativePath,
                                         const std::vector<std::string>& candidates);

// The single candidate, or "" when there is none; ends the game with the ambiguity
// report when there are two or more.
std::string chooseCandidate(const std::string& relativePath, const std::vector<std::string>& candidates);

// findCandidatesUpwards followed by chooseCandidate.
std::string findFileUpwardsFrom(const std::string& startDir, const std::string& relativePath);

// Full path of the running executable; ends the game when the system cannot say.
std::string executablePath();

// Folder of the running executable, where every asset search starts.
std::string executableDirectory();

// The file relativePath denotes, or "" when it exists nowhere on the walk (nothing
// is printed then). Fatal on ambiguity.
std::string findFileUpwards(const std::string& relativePath);

// As findFileUpwards, but a missing file is fatal ("Could not find texture file: ").
// Used for textures and models alike. Never returns "".
std::string findAssetFile(const std::string& relativePath);

// As findFileUpwards, but a missing file is fatal ("Could not find shader file: ").
std::string findShaderFile(const std::string& relativePath);
