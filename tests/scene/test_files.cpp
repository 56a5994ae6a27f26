#include "test_files.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>

#include <stb/stb_image_write.h>

ScratchFolder::ScratchFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "korvel-scene-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a scratch folder");
    root = pattern;
}

ScratchFolder::~ScratchFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(root, ignored);
}

std::string ScratchFolder::path(const std::string& relative) const
{
    const std::filesystem::path full = root / relative;
    std::filesystem::create_directories(full.parent_path());
    return full.generic_string();
}

void writeTextFile(const std::string& path, const std::string& text)
{
    std::ofstream file(path, std::ios::binary);
    file << text;
    if (!file)
        throw std::runtime_error("cannot write " + path);
}

void writeSolidPng(const std::string& path, int width, int height,
                   const std::vector<std::uint8_t>& pixel)
{
    const int channels = static_cast<int>(pixel.size());
    std::vector<std::uint8_t> pixels;
    for (int i = 0; i < width * height; ++i)
        pixels.insert(pixels.end(), pixel.begin(), pixel.end());
    if (!stbi_write_png(path.c_str(), width, height, channels, pixels.data(), width * channels))
        throw std::runtime_error("cannot write " + path);
}
