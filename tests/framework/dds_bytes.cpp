#include "dds_bytes.h"

namespace {

constexpr std::uint32_t PixelFormatFourCc = 0x4;
constexpr std::uint32_t PixelFormatRgbWithAlpha = 0x40 | 0x1;
constexpr std::uint32_t RgbaBitCount = 32;
constexpr std::uint32_t ResourceTexture2d = 3;

void putU32(std::vector<std::uint8_t>& bytes, std::size_t offset, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[offset + std::size_t(i)] = std::uint8_t(value >> (8 * i));
}

void putFourCc(std::vector<std::uint8_t>& bytes, std::size_t offset, const std::string& code)
{
    for (std::size_t i = 0; i < 4 && i < code.size(); ++i)
        bytes[offset + i] = std::uint8_t(code[i]);
}

void putPixelFormat(std::vector<std::uint8_t>& bytes, const DdsBytesOptions& options)
{
    putU32(bytes, 76, options.pixelFormatSize);
    if (options.uncompressed) {
        putU32(bytes, 80, PixelFormatRgbWithAlpha);
        putU32(bytes, 88, RgbaBitCount);
        putU32(bytes, 92, 0x000000FF);
        putU32(bytes, 96, 0x0000FF00);
        putU32(bytes, 100, 0x00FF0000);
        putU32(bytes, 104, 0xFF000000);
        return;
    }
    putU32(bytes, 80, PixelFormatFourCc);
    putFourCc(bytes, 84, options.fourCc);
}

}  // namespace

std::uint8_t payloadByte(std::size_t index)
{
    return std::uint8_t(index * 7 + 3);
}

std::vector<std::uint8_t> makeDdsBytes(const DdsBytesOptions& options)
{
    const bool extended = !options.uncompressed && options.fourCc == "DX10";
    const std::size_t headerEnd = extended ? 148 : 128;
    std::vector<std::uint8_t> bytes(headerEnd + options.payloadBytes, 0);
    putFourCc(bytes, 0, "DDS ");
    putU32(bytes, 4, options.headerSize);
    putU32(bytes, 12, options.height);
    putU32(bytes, 16, options.width);
    putU32(bytes, 20, options.linearSize);
    putPixelFormat(bytes, options);
    if (extended) {
        putU32(bytes, 128, options.dxgiFormat);
        putU32(bytes, 132, ResourceTexture2d);
        putU32(bytes, 140, 1);
    }
    for (std::size_t i = 0; i < options.payloadBytes; ++i)
        bytes[headerEnd + i] = payloadByte(i);
    return bytes;
}

DdsBytesOptions fourCcFile(std::uint32_t w, std::uint32_t h, const char* code, std::uint32_t payload)
{
    DdsBytesOptions options;
    options.width = w;
    options.height = h;
    options.fourCc = code;
    options.payloadBytes = payload;
    return options;
}
