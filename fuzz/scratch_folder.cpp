#include "scratch_folder.h"

#include <unistd.h>

#include <fstream>

namespace fs = std::filesystem;

namespace {

fs::path scratchBase()
{
    std::error_code error;
    const fs::path memory = "/dev/shm";
    return fs::is_directory(memory, error) ? memory : fs::temp_directory_path();
}

}  // namespace

ScratchFolder::ScratchFolder()
    : folder(scratchBase() / ("korvel-fuzz-" + std::to_string(getpid())))
{
    fs::create_directories(folder);
}

ScratchFolder::~ScratchFolder()
{
    std::error_code ignored;
    fs::remove_all(folder, ignored);
}

std::string ScratchFolder::write(const std::string& name, const std::uint8_t* data,
                                 std::size_t size) const
{
    const fs::path file = folder / name;
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return file.string();
}
