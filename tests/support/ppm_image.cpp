#include "ppm_image.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>

PpmImage readPpm(const std::string& path)
{
    PpmImage image;
    std::ifstream file(std::filesystem::u8path(path));
    std::string magic;
    int maximum = 0;
    if (!(file >> magic >> image.width >> image.height >> maximum) || magic != "P3" || maximum != 255 ||
        image.width <= 0 || image.height <= 0)
        return image;
    const std::size_t count = static_cast<std::size_t>(image.width) * image.height * 3;
    image.rgb.reserve(count);
    int value = 0;
    while (image.rgb.size() < count && file >> value)
        image.rgb.push_back(static_cast<std::uint8_t>(value));
    image.valid = image.rgb.size() == count;
    return image;
}

double PpmImage::meanBrightness() const
{
    if (rgb.empty())
        return 0.0;
    double sum = 0.0;
    for (std::uint8_t value : rgb)
        sum += value;
    return sum / static_cast<double>(rgb.size());
}

double PpmImage::shareBrighterThan(int threshold) const
{
    if (rgb.empty())
        return 0.0;
    std::size_t bright = 0;
    for (std::size_t i = 0; i + 2 < rgb.size(); i += 3) {
        if (rgb[i] > threshold || rgb[i + 1] > threshold || rgb[i + 2] > threshold)
            ++bright;
    }
    return static_cast<double>(bright) / static_cast<double>(rgb.size() / 3);
}

double PpmImage::redOverGreenBelow(int firstRow) const
{
    double red = 0.0;
    double green = 0.0;
    for (int row = std::max(firstRow, 0); row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            const std::size_t index = (static_cast<std::size_t>(row) * width + column) * 3;
            red += rgb[index];
            green += rgb[index + 1];
        }
    }
    return green > 0.0 ? red / green : 0.0;
}

ImageDifference compareImages(const PpmImage& a, const PpmImage& b, int threshold)
{
    ImageDifference difference;
    if (a.rgb.size() != b.rgb.size() || a.rgb.empty())
        return {255.0, 1.0};
    double sum = 0.0;
    std::size_t above = 0;
    for (std::size_t i = 0; i + 2 < a.rgb.size(); i += 3) {
        int largest = 0;
        for (std::size_t c = 0; c < 3; ++c) {
            const int channel = std::abs(int(a.rgb[i + c]) - int(b.rgb[i + c]));
            sum += channel;
            largest = std::max(largest, channel);
        }
        if (largest > threshold)
            ++above;
    }
    difference.meanPerChannel = sum / static_cast<double>(a.rgb.size());
    difference.shareAbove = static_cast<double>(above) / static_cast<double>(a.rgb.size() / 3);
    return difference;
}
