#include "scene/texture_image.h"

#include <algorithm>

#include <stb/stb_image.h>

namespace {

// The GL enum values used below, as glcorearb.h defines them.
constexpr unsigned GlRed = 0x1903;
constexpr unsigned GlRgb = 0x1907;
constexpr unsigned GlRgba = 0x1908;
constexpr unsigned GlSrgb = 0x8C40;
constexpr unsigned GlSrgbAlpha = 0x8C42;

// Frees stb_image's buffer when the copy is done or decoding throws.
struct StbPixels {
    unsigned char* data = nullptr;
    ~StbPixels() { stbi_image_free(data); }
};

}  // namespace

std::optional<TextureFormat> chooseTextureFormat(int channels, bool gamma)
{
    switch (channels) {
    case 1:
        return TextureFormat{GlRed, GlRed};
    case 3:
        return TextureFormat{gamma ? GlSrgb : GlRgb, GlRgb};
    case 4:
        return TextureFormat{gamma ? GlSrgbAlpha : GlRgba, GlRgba};
    default:
        return std::nullopt;
    }
}

std::vector<std::uint8_t> widenToRgba(const std::vector<std::uint8_t>& pixels, int channels)
{
    if (channels < 1 || channels > 4)
        return {};
    std::vector<std::uint8_t> rgba;
    rgba.reserve(pixels.size() / static_cast<std::size_t>(channels) * 4);
    const auto step = static_cast<std::size_t>(channels);
    for (std::size_t i = 0; i + step <= pixels.size(); i += step) {
        const std::uint8_t* texel = &pixels[i];
        switch (channels) {
        case 1:
            rgba.insert(rgba.end(), {texel[0], 0, 0, 255});
            break;
        case 2:
            rgba.insert(rgba.end(), {texel[0], texel[0], texel[0], texel[1]});
            break;
        case 3:
            rgba.insert(rgba.end(), {texel[0], texel[1], texel[2], 255});
            break;
        default:
            rgba.insert(rgba.end(), texel, texel + 4);
        }
    }
    return rgba;
}

TextureFormat widenFormatToRgba(const TextureFormat& format)
{
    const unsigned internalFormat =
        format.internalFormat == GlSrgb || format.internalFormat == GlSrgbAlpha ? GlSrgbAlpha : GlRgba;
    return TextureFormat{internalFormat, GlRgba};
}

std::vector<std::uint8_t> halveRgba(const std::vector<std::uint8_t>& rgba, int width, int height)
{
    const int halfWidth = std::max(width / 2, 1);
    const int halfHeight = std::max(height / 2, 1);
    // Along a side of one texel the "pair" is that texel twice.
    const int nextColumn = width > 1 ? 1 : 0;
    const int nextRow = height > 1 ? 1 : 0;
    const auto at = [&rgba, width](int x, int y, int channel) -> unsigned {
        return rgba[(static_cast<std::size_t>(y) * width + x) * 4 + channel];
    };
    std::vector<std::uint8_t> half(static_cast<std::size_t>(halfWidth) * halfHeight * 4);
    std::size_t out = 0;
    for (int y = 0; y < halfHeight; ++y)
        for (int x = 0; x < halfWidth; ++x)
            for (int channel = 0; channel < 4; ++channel) {
                const int left = 2 * x;
                const int top = 2 * y;
                const unsigned upper = (at(left, top, channel) + at(left + nextColumn, top, channel) + 1) / 2;
                const unsigned lower =
                    (at(left, top + nextRow, channel) + at(left + nextColumn, top + nextRow, channel) + 1) / 2;
                half[out++] = static_cast<std::uint8_t>((upper + lower + 1) / 2);
            }
    return half;
}

std::optional<std::string> rejectImageSize(int width, int height, int driverLimit)
{
    const int limit = driverLimit > 0 ? std::min(driverLimit, MaxTextureSide) : MaxTextureSide;
    if (width <= 0 || height <= 0)
        return "image has no pixels";
    if (width > limit || height > limit)
        return "image is " + std::to_string(width) + " x " + std::to_string(height) + ", larger than " +
               std::to_string(limit);
    return std::nullopt;
}

std::optional<std::pair<int, int>> readImageSize(const std::string& filename)
{
    int width = 0;
    int height = 0;
    int channels = 0;
    if (!stbi_info(filename.c_str(), &width, &height, &channels))
        return std::nullopt;
    return std::make_pair(width, height);
}

std::optional<DecodedImage> decodeImageFile(const std::string& filename)
{
    DecodedImage image;
    StbPixels pixels;
    pixels.data = stbi_load(filename.c_str(), &image.width, &image.height, &image.channels, 0);
    if (!pixels.data)
        return std::nullopt;
    const std::size_t size = static_cast<std::size_t>(image.width) * image.height * image.channels;
    image.pixels.assign(pixels.data, pixels.data + size);
    if (image.channels == 2) {
        image.pixels = widenToRgba(image.pixels, 2);
        image.channels = 4;
    }
    return image;
}
