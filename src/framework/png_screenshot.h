// Screenshots the player takes (F12): the current frame as a PNG file.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

// PNG bytes of an RGB image given bottom row first, as glReadPixels delivers it
// with a pack alignment of 1; the file lists the top row first. Empty when the
// image cannot be encoded.
std::vector<std::uint8_t> encodePng(const std::vector<std::uint8_t>& bottomUpRgb, int width, int height);

// Reads the lower-left width x height pixels of the current read buffer and
// writes them to `file` as a PNG (binary, created; an existing file is
// replaced). Needs a current context. False when the file could not be written
// completely; an incomplete file is removed.
bool savePngScreenshot(const std::filesystem::path& file, int width, int height);
