#include "framework/screenshot.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

#include <GL/glew.h>

#include "framework/console.h"
#include "framework/file_path.h"

namespace {

constexpr int BytesPerPixel = 3;
constexpr int MaxChannelValue = 255;
// "%3d " needs at most 4 characters per channel for bytes; room for the terminator.
constexpr std::size_t ChannelTextCapacity = 8;

void appendChannel(std::string& text, std::uint8_t value)
{
    char buffer[ChannelTextCapacity];
    std::snprintf(buffer, sizeof buffer, "%3d ", static_cast<int>(value));
    text += buffer;
}

}  // namespace

std::string encodePpm(const std::vector<std::uint8_t>& bottomUpRgb, std::uint32_t width, std::uint32_t height)
{
    std::string text = "P3\n" + std::to_string(width) + " " + std::to_string(height) + "\n" +
                       std::to_string(MaxChannelValue) + "\n";
    const std::size_t rowBytes = std::size_t(width) * BytesPerPixel;
    text.reserve(text.size() + rowBytes * height * 4 + height);
    for (std::uint32_t i = 0; i < height; ++i) {
        const std::size_t rowStart = std::size_t(height - 1 - i) * rowBytes;
        for (std::size_t byte = 0; byte < rowBytes; ++byte)
            appendChannel(text, bottomUpRgb[rowStart + byte]);
        text += '\n';
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
