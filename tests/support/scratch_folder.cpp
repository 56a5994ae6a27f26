#include "scratch_folder.h"

#include <random>
#include <stdexcept>

#include "test_files.h"

namespace fs = std::filesystem;

namespace {

fs::path scratchBase(ScratchStorage storage)
{
    std::error_code error;
    const fs::path memory = "/dev/shm";
    if (storage == ScratchStorage::Memory && fs::is_directory(memory, error))
        return memory;
    return fs::temp_directory_path();
}

// A folder of a new name: create_directory reports whether it made the folder,
// so two processes never share one.
fs::path makeUniqueFolder(const std::string& prefix, ScratchStorage storage)
{
    const fs::path base = scratchBase(storage);
    std::random_device seed;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path candidate = base / fs::u8path(prefix + "-" + std::to_string(seed()));
        if (fs::create_directory(candidate))
            return candidate;
    }
    throw std::runtime_error("cannot make a scratch folder in " + base.string());
}

}  // namespace

ScratchFolder::ScratchFolder(const std::string& prefix, ScratchStorage storage)
    : folder(makeUniqueFolder(prefix, storage))
{
}

ScratchFolder::~ScratchFolder()
{
    std::error_code ignored;
    fs::remove_all(folder, ignored);
}

std::string ScratchFolder::path(const std::string& relative) const
{
    const fs::path full = folder / fs::u8path(relative);
    fs::create_directories(full.parent_path());
    return full.generic_u8string();
}

std::string ScratchFolder::write(const std::string& relative, const std::string& bytes) const
{
    const std::string file = path(relative);
    writeWholeFile(file, bytes);
    return file;
}

std::string ScratchFolder::write(const std::string& relative, const std::uint8_t* data,
                                 std::size_t size) const
{
    return write(relative, std::string(reinterpret_cast<const char*>(data), size));
}
