// 8-bit images as the generator writes them: PNG through stb_image_write, and
// tangent-space normal maps derived from a height field.
//
// Rows are stored top first, as PNG stores them. Channel counts are 1, 3 or 4;
// the game's loader has no settled handling for 2-channel images, so none is made.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct Image {
    int width = 0, height = 0, channels = 3;
    std::vector<uint8_t> pixels;  // row-major, top row first, `channels` bytes per pixel

    Image(int width, int height, int channels);
    uint8_t* at(int x, int y) { return &pixels[(static_cast<size_t>(y) * width + x) * channels]; }
};

// Heights in [0, 1] per pixel, row-major, top row first; wraps at the edges.
struct HeightField {
    int width = 0, height = 0;
    std::vector<double> values;

    HeightField(int width, int height)
        : width(width), height(height), values(static_cast<size_t>(width) * height)
    {
    }
    double& at(int x, int y) { return values[static_cast<size_t>(y) * width + x]; }
    double wrapped(int x, int y) const;
};

uint8_t toByte(double unit);  // [0, 1] -> 0..255, clamped, rounded

// Flat areas come out as (128, 128, 255); `strength` scales the slopes.
Image normalMapFrom(const HeightField& heights, double strength);

// Writes the image as PNG, creating the folder. Fails the program on error.
void writePng(const std::string& path, const Image& image);
