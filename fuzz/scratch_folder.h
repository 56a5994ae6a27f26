// A private folder in which a fuzz target writes its input as real files.
//
// The settings reader and the model importer take file paths, so each run's
// bytes go to files here first. The folder sits on /dev/shm when that exists
// (memory, not disk), is named after the process so parallel fuzz jobs keep
// apart, and is removed with everything in it when the process ends.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // Writes `size` bytes to `name` inside the folder and returns the file's path.
    std::string write(const std::string& name, const std::uint8_t* data, std::size_t size) const;

    const std::filesystem::path& path() const { return folder; }

private:
    std::filesystem::path folder;
};
