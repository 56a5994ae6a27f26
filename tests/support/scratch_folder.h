// A private folder for the files a test, benchmark or fuzz target writes; it is
// removed with everything in it when the object goes.
//
// Its name is unique, so parallel runs and tests keep apart. Fuzz targets, which
// write every input as a file, ask for memory (/dev/shm where it exists); the
// rest use the temporary folder, where programs may also be run from.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

enum class ScratchStorage { TemporaryFolder, Memory };

class ScratchFolder {
public:
    // `prefix` (UTF-8) starts the folder's name, to tell whose folder is left
    // behind after a crash.
    explicit ScratchFolder(const std::string& prefix = "korvel-test",
                           ScratchStorage storage = ScratchStorage::TemporaryFolder);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // `relative` inside the folder, as a UTF-8 string with "/" separators; the
    // folders on the way are made.
    std::string path(const std::string& relative) const;

    // Writes the bytes to `relative` inside the folder, replacing any file there,
    // and returns the file's path.
    std::string write(const std::string& relative, const std::string& bytes) const;
    std::string write(const std::string& relative, const std::uint8_t* data, std::size_t size) const;

    const std::filesystem::path& root() const { return folder; }

private:
    std::filesystem::path folder;
};
