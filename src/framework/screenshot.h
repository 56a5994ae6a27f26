// Screenshots of the current framebuffer as plain-text PPM ("P3") files, used by
// headless runs. The encoder is separate from the GL read so it is testable.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// PPM text of an RGB image given bottom row first, as glReadPixels delivers it with
// a pack alignment of 1 (row r starts at byte r * width * 3). The file lists the
// top row first; each pixel is "%3d %3d %3d " and each row ends with "\n".
// bottomUpRgb must hold at least width * height * 3 bytes.
std::string encodePpm(const std::vector<std::uint8_t>& bottomUpRgb, std::uint32_t width,
                      std::uint32_t height);

// Writes text to fileName (UTF-8; created or truncated) byte for byte, so a row
// ends in "\n" on Windows too. When the file cannot be created, or not all of the
// text reaches it (a full disk), prints "ERROR: Could not write screenshot
// '<fileName>'" and returns false; a file left incomplete is removed.
bool writeScreenshotFile(const std::string& fileName, const std::string& text);

// Reads the lower-left width x height pixels of the current read buffer and writes
// them to name + ".ppm". Needs a current context. False when the file could not be
// written (the reason has been printed).
bool saveScreenshot(std::string name, std::uint32_t width, std::uint32_t height);
