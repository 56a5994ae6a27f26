// Decoding a material's image file and choosing how it goes to the GPU.
//
// Pure CPU work with stb_image: the file keeps its own channel count and row
// order. Grey-and-alpha images (two channels) are widened to RGBA here, so the
// format choice only ever sees one, three or four channels and a grey image with
// alpha still shows grey, not red-and-green. The upload then widens every image
// to four channels that sample as its own format does (widenToRgba). Sizes past
// a hard limit are refused before anything is uploaded.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// Largest width or height accepted for a model texture, whatever the driver allows.
constexpr int MaxTextureSide = 8192;

// Pixel data of one decoded image, rows top to bottom as stored in the file.
struct DecodedImage {
    int width = 0;
    int height = 0;
    int channels = 0;  // 1, 3 or 4 after decoding (2 is widened to 4)
    std::vector<std::uint8_t> pixels;
};

// OpenGL enum values for one upload (kept as plain integers: no GL header here).
struct TextureFormat {
    unsigned internalFormat = 0;
    unsigned pixelFormat = 0;
};

// Internal and pixel format for a channel count (1, 3 or 4); `gamma` picks the
// sRGB internal formats for colour images. Nullopt for any other count.
std::optional<TextureFormat> chooseTextureFormat(int channels, bool gamma);

// Texels of `channels` (1 to 4) bytes to RGBA quadruples that sample as the
// image does in chooseTextureFormat's format: one channel becomes (v, 0, 0, 255),
// as a red texture reads; grey+alpha (g, g, g, a); three channels get an opaque
// alpha. Empty for any other count.
std::vector<std::uint8_t> widenToRgba(const std::vector<std::uint8_t>& pixels, int channels);

// chooseTextureFormat's format for the same texels widened to RGBA: sRGB stays
// sRGB (with alpha), everything else becomes plain RGBA.
TextureFormat widenFormatToRgba(const TextureFormat& format);

// The next mipmap level of `width` x `height` RGBA texels (rows in either
// order): each side halved, rounded down and at least 1; each texel the mean of
// the 2 x 2 texels it covers (2 x 1 or 1 x 2 along a side of one), rounded the
// way software GL rounds its filtered halving: first the two texels of each
// row, rounding halves up, then the two rows the same way. A level built here
// is then the very one the driver would build, and no shader is compiled for it.
std::vector<std::uint8_t> halveRgba(const std::vector<std::uint8_t>& rgba, int width, int height);

// Why an image of this size is refused, or nullopt when it may be uploaded.
// `driverLimit` is the GL's maximum texture size (0 when unknown).
std::optional<std::string> rejectImageSize(int width, int height, int driverLimit);

// Width and height from the file's header, without decoding; nullopt when
// stb_image does not recognise the file.
std::optional<std::pair<int, int>> readImageSize(const std::string& filename);

// Decodes `filename`; nullopt when stb_image cannot read it.
std::optional<DecodedImage> decodeImageFile(const std::string& filename);
