// Writing and reading whole files in tests, benchmarks and fuzz targets. Each
// throws std::runtime_error naming the file when it cannot be done. Paths are
// UTF-8, as in the game.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Writes `bytes` to `path` unchanged (binary), replacing any file there.
void writeWholeFile(const std::string& path, const std::string& bytes);
void writeBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);

// The whole file as it is on disk.
std::string readWholeFile(const std::string& path);

// `relative` (with "/" separators) inside the project's source tree, where the
// committed assets, demos and fuzz inputs are read from.
std::string sourceTreePath(const std::string& relative);
