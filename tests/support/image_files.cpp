#include "image_files.h"

#include <stdexcept>

#include <stb/stb_image_write.h>

void writeSolidPng(const std::string& path, int width, int height, const std::vector<std::uint8_t>& pixel)
{
    const int channels = static_cast<int>(pixel.size());
    std::vector<std::uint8_t> pixels;
    for (int i = 0; i < width * height; ++i)
        pixels.insert(pixels.end(), pixel.begin(), pixel.end());
    if (!stbi_write_png(path.c_str(), width, height, channels, pixels.data(), width * channels))
        throw std::runtime_error("cannot write " + path);
}
