#include "framework/png_screenshot.h"

#include <algorithm>
#include <fstream>

#include <GL/glew.h>
#include <stb/stb_image_write.h>

namespace {

constexpr int Channels = 3;

void appendBytes(void* context, void* data, int size)
{
    auto* bytes = static_cast<std::vector<std::uint8_t>*>(context);
    const auto* first = static_cast<const std::uint8_t*>(data);
    bytes->insert(bytes->end(), first, first + size);
}

}  // namespace

std::vector<std::uint8_t> encodePng(const std::vector<std::uint8_t>& bottomUpRgb, int width, int height)
{
    const std::size_t rowBytes = std::size_t(width) * Channels;
    std::vector<std::uint8_t> topDown(rowBytes * std::size_t(height));
    for (int row = 0; row < height; ++row)
        std::copy_n(bottomUpRgb.begin() + std::ptrdiff_t(rowBytes * std::size_t(height - 1 - row)), rowBytes,
                    topDown.begin() + std::ptrdiff_t(rowBytes * std::size_t(row)));
    std::vector<std::uint8_t> png;
    if (!stbi_write_png_to_func(appendBytes, &png, width, height, Channels, topDown.data(),
                                static_cast<int>(rowBytes)))
        png.clear();
    return png;
}

bool savePngScreenshot(const std::filesystem::path& file, int width, int height)
{
    std::vector<std::uint8_t> pixels(std::size_t(width) * std::size_t(height) * Channels);
    GLint previousAlignment = 4;
    glGetIntegerv(GL_PACK_ALIGNMENT, &previousAlignment);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    glPixelStorei(GL_PACK_ALIGNMENT, previousAlignment);

    const std::vector<std::uint8_t> png = encodePng(pixels, width, height);
    if (png.empty())
        return false;
    std::ofstream stream(file, std::ios::binary);
    stream.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
    // Closing flushes the last bytes: a full disk may only show here.
    stream.close();
    if (!stream.fail())
        return true;
    std::error_code ignored;
    if (std::filesystem::is_regular_file(std::filesystem::symlink_status(file, ignored)))
        std::filesystem::remove(file, ignored);
    return false;
}
