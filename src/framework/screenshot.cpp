#include "framework/screenshot.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include <GL/glew.h>

#include "framework/console.h"
#include "framework/file_path.h"

namespace {

constexpr int BytesPerPixel = 3;
constexpr int MaxChannelValue = 255;
// Every channel is written as "%3d ": four characters for a byte.
constexpr std::size_t ChannelTextLength = 4;

// The text of each of the 256 channel values, formatted once: an 800 x 800
// screenshot has almost two million of them, and formatting each one on its
// own took about a tenth of a headless run.
const std::array<char, 256 * ChannelTextLength>& channelTexts()
{
    static const std::array<char, 256 * ChannelTextLength> texts = [] {
        std::array<char, 256 * ChannelTextLength> all{};
        char buffer[ChannelTextLength + 1];
        for (int value = 0; value <= MaxChannelValue; ++value) {
            std::snprintf(buffer, sizeof buffer, "%3d ", value);
            std::copy(buffer, buffer + ChannelTextLength, all.begin() + value * ChannelTextLength);
        }
        return all;
    }();
    return texts;
}

}  // namespace

std::string encodePpm(const std::vector<std::uint8_t>& bottomUpRgb, std::uint32_t width, std::uint32_t height)
{
    std::string text = "P3\n" + std::to_string(width) + " " + std::to_string(height) + "\n" +
                       std::to_string(MaxChannelValue) + "\n";
    const std::size_t rowBytes = std::size_t(width) * BytesPerPixel;
    const std::size_t headerLength = text.size();
    text.resize(headerLength + (rowBytes * ChannelTextLength + 1) * height);
    const char* const texts = channelTexts().data();
    char* out = &text[headerLength];
    for (std::uint32_t i = 0; i < height; ++i) {
        const std::size_t rowStart = std::size_t(height - 1 - i) * rowBytes;
        for (std::size_t byte = 0; byte < rowBytes; ++byte) {
            std::copy_n(texts + bottomUpRgb[rowStart + byte] * ChannelTextLength, ChannelTextLength, out);
            out += ChannelTextLength;
        }
        *out++ = '\n';
    }
    return text;
}

bool writeScreenshotFile(const std::string& fileName, const std::string& text)
{
    // Binary: the same picture gives the same bytes on every system.
    std::ofstream file(filePath(fileName), std::ios::binary);
    if (!file.is_open()) {
        printLine("ERROR: Could not write screenshot '" + fileName + "'");
        return false;
    }
    file << text;
    // Closing flushes the last bytes: a full disk may only show here.
    file.close();
    if (file.fail()) {
        // A frame cut short must not pass for a good one. Only a file of our own
        // is removed: a path that leads to a device or through a link stays.
        std::error_code ignored;
        const std::filesystem::path written = filePath(fileName);
        if (std::filesystem::is_regular_file(std::filesystem::symlink_status(written, ignored)))
            std::filesystem::remove(written, ignored);
        printLine("ERROR: Could not write screenshot '" + fileName + "'");
        return false;
    }
    return true;
}

bool saveScreenshot(std::string name, std::uint32_t width, std::uint32_t height)
{
    std::vector<std::uint8_t> pixels(std::size_t(width) * height * BytesPerPixel);
    // Tightly packed rows, so odd widths need no per-row padding.
    GLint previousAlignment = 4;
    glGetIntegerv(GL_PACK_ALIGNMENT, &previousAlignment);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, static_cast<GLsizei>(width), static_cast<GLsizei>(height), GL_RGB, GL_UNSIGNED_BYTE,
                 pixels.data());
    glPixelStorei(GL_PACK_ALIGNMENT, previousAlignment);
    return writeScreenshotFile(name + ".ppm", encodePpm(pixels, width, height));
}
