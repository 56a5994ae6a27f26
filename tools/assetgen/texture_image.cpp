#include "texture_image.h"

#include <stb/stb_image_write.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <iostream>

namespace {

constexpr int StrongestPngCompression = 9;

}  // namespace

Image::Image(int width, int height, int channels)
    : width(width), height(height), channels(channels), pixels(static_cast<size_t>(width) * height * channels)
{
}

double HeightField::wrapped(int x, int y) const
{
    const int wx = ((x % width) + width) % width, wy = ((y % height) + height) % height;
    return values[static_cast<size_t>(wy) * width + wx];
}

uint8_t toByte(double unit)
{
    return static_cast<uint8_t>(std::lround(std::clamp(unit, 0.0, 1.0) * 255.0));
}

Image normalMapFrom(const HeightField& h, double strength)
{
    Image image(h.width, h.height, 3);
    for (int y = 0; y < h.height; ++y) {
        for (int x = 0; x < h.width; ++x) {
            // Image rows run downwards while the map's green axis points up the texture.
            const double dx = (h.wrapped(x + 1, y) - h.wrapped(x - 1, y)) * strength;
            const double dy = (h.wrapped(x, y - 1) - h.wrapped(x, y + 1)) * strength;
            const double length = std::sqrt(dx * dx + dy * dy + 1.0);
            uint8_t* p = image.at(x, y);
            p[0] = toByte(-dx / length * 0.5 + 0.5);
            p[1] = toByte(-dy / length * 0.5 + 0.5);
            p[2] = toByte(1.0 / length * 0.5 + 0.5);
        }
    }
    return image;
}

void writePng(const std::string& path, const Image& image)
{
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    stbi_write_png_compression_level = StrongestPngCompression;
    if (!stbi_write_png(path.c_str(), image.width, image.height, image.channels, image.pixels.data(),
                        image.width * image.channels)) {
        std::cerr << "assetgen: cannot write " << path << std::endl;
        std::exit(1);
    }
}
