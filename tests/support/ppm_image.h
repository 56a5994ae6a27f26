// Reads the plain-text screenshots the game writes, for checks on their pixels.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct PpmImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;  // top row first, three bytes a pixel
    bool valid = false;

    // Mean of the three channels over the whole image (0..255).
    double meanBrightness() const;
    // Share of pixels brighter than `threshold` in any channel.
    double shareBrighterThan(int threshold) const;
    // Sum of red over sum of green in the rows from `firstRow` (top = 0) down.
    double redOverGreenBelow(int firstRow) const;
};

PpmImage readPpm(const std::string& path);

// How far two pictures of the same size lie apart: the mean absolute
// difference per channel, and the share of pixels whose largest channel
// difference exceeds `threshold` (both in 8-bit steps).
struct ImageDifference {
    double meanPerChannel = 0.0;
    double shareAbove = 0.0;
};
ImageDifference compareImages(const PpmImage& a, const PpmImage& b, int threshold);
