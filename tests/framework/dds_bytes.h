// Hand-made DDS files for the texture tests: a header with the chosen extent and
// pixel format, an optional "DX10" extended header, and a payload whose bytes
// count up so that a test can tell which part of the file it was handed.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct DdsBytesOptions {
    std::uint32_t width = 4;
    std::uint32_t height = 4;
    std::string fourCc = "DXT1";     // ignored when `uncompressed` is set
    bool uncompressed = false;       // 32-bit RGBA pixel format without a four-character code
    std::uint32_t dxgiFormat = 0;    // with fourCc "DX10": the extended header's format
    std::uint32_t payloadBytes = 0;  // bytes after the header(s)
    std::uint32_t linearSize = 0;    // the header's linear-size field, which the reader must not trust
    std::uint32_t headerSize = 124;
    std::uint32_t pixelFormatSize = 32;
};

// The options of a w x h file with four-character code `code` ("" for none) and
// `payload` bytes after the header.
DdsBytesOptions fourCcFile(std::uint32_t w, std::uint32_t h, const char* code, std::uint32_t payload);

// A complete file image as described by `options`.
std::vector<std::uint8_t> makeDdsBytes(const DdsBytesOptions& options);

// The payload byte found at payload position `index` (the pattern makeDdsBytes writes).
std::uint8_t payloadByte(std::size_t index);
