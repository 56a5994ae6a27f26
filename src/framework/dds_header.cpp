#include "dds_header.h"

namespace {

// Byte layout of a DDS file: the magic, then a 124-byte header whose pixel format
// is a 32-byte record at file offset 76. All values are little-endian.
constexpr std::size_t MagicBytes = 4;
constexpr std::uint32_t HeaderBytes = 124;
constexpr std::uint32_t PixelFormatBytes = 32;
constexpr std::size_t HeaderSizeOffset = 4;
constexpr std::size_t HeightOffset = 12;
constexpr std::size_t WidthOffset = 16;
constexpr std::size_t PixelFormatSizeOffset = 76;
constexpr std::size_t PixelFormatFlagsOffset = 80;
constexpr std::size_t FourCcOffset = 84;
constexpr std::size_t LegacyDataOffset = MagicBytes + HeaderBytes;  // 128

// The "DX10" extended header follows at 128 and is 20 bytes long; its first
// field is the DXGI format.
constexpr std::size_t DxgiFormatOffset = LegacyDataOffset;
constexpr std::size_t ExtendedHeaderBytes = 20;
constexpr std::size_t ExtendedDataOffset = LegacyDataOffset + ExtendedHeaderBytes;  // 148

// The 12-byte identifiers that open the other texture containers.
constexpr std::size_t ContainerIdBytes = 12;
constexpr std::uint8_t Ktx11Id[ContainerIdBytes] = {0xAB, 'K',  'T',  'X',  ' ',  '1',
                                                    '1',  0xBB, '\r', '\n', 0x1A, '\n'};
constexpr std::uint8_t Ktx20Id[ContainerIdBytes] = {0xAB, 'K',  'T',  'X',  ' ',  '2',
                                                    '0',  0xBB, '\r', '\n', 0x1A, '\n'};
constexpr std::uint8_t Kmg10Id[ContainerIdBytes] = {0xAB, 'K',  'M',  'G',  ' ',  '1',
                                                    '0',  0xBB, '\r', '\n', 0x1A, '\n'};

// Pixel-format flag saying the four-character code is meaningful.
constexpr std::uint32_t PixelFormatFourCc = 0x4;

// DXGI formats of BC1-BC3 blocks (typeless variants are not images we can sample).
constexpr std::uint32_t DxgiBc1Unorm = 71;
constexpr std::uint32_t DxgiBc1UnormSrgb = 72;
constexpr std::uint32_t DxgiBc2Unorm = 74;
constexpr std::uint32_t DxgiBc2UnormSrgb = 75;
constexpr std::uint32_t DxgiBc3Unorm = 77;
constexpr std::uint32_t DxgiBc3UnormSrgb = 78;

constexpr std::uint32_t Dxt1BlockBytes = 8;
constexpr std::uint32_t Dxt35BlockBytes = 16;
constexpr std::uint32_t BlockTexels = 4;

constexpr std::uint32_t fourCc(const char (&code)[5])
{
    return std::uint32_t(std::uint8_t(code[0])) | std::uint32_t(std::uint8_t(code[1])) << 8 |
           std::uint32_t(std::uint8_t(code[2])) << 16 | std::uint32_t(std::uint8_t(code[3])) << 24;
}

std::uint32_t readU32(const std::uint8_t* data, std::size_t offset)
{
    const std::uint8_t* p = data + offset;
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
}

DdsParseResult failed(DdsFailure why)
{
    DdsParseResult result;
    result.failure = why;
    return result;
}

// The GL format and block size of a block format; false for anything else.
bool acceptBlockFormat(std::uint32_t glFormat, DdsParseResult& result)
{
    result.glFormat = glFormat;
    result.blockBytes = glFormat == GlCompressedRgbaDxt1 ? Dxt1BlockBytes : Dxt35BlockBytes;
    return true;
}

// Legacy four-character codes. DXT2 and DXT4 (premultiplied alpha) are not taken.
bool formatFromFourCc(std::uint32_t code, DdsParseResult& result)
{
    if (code == fourCc("DXT1"))
        return acceptBlockFormat(GlCompressedRgbaDxt1, result);
    if (code == fourCc("DXT3"))
        return acceptBlockFormat(GlCompressedRgbaDxt3, result);
    if (code == fourCc("DXT5"))
        return acceptBlockFormat(GlCompressedRgbaDxt5, result);
    return false;
}

// sRGB blocks are uploaded with the linear formats: the game samples them as stored.
bool formatFromDxgi(std::uint32_t dxgiFormat, DdsParseResult& result)
{
    switch (dxgiFormat) {
    case DxgiBc1Unorm:
    case DxgiBc1UnormSrgb:
        return acceptBlockFormat(GlCompressedRgbaDxt1, result);
    case DxgiBc2Unorm:
    case DxgiBc2UnormSrgb:
        return acceptBlockFormat(GlCompressedRgbaDxt3, result);
    case DxgiBc3Unorm:
    case DxgiBc3UnormSrgb:
        return acceptBlockFormat(GlCompressedRgbaDxt5, result);
    default:
        return false;
    }
}

bool hasMagic(const std::uint8_t* data, std::size_t size)
{
    return size >= MagicBytes && data[0] == 'D' && data[1] == 'D' && data[2] == 'S' && data[3] == ' ';
}

bool startsWith(const std::uint8_t* data, std::size_t size, const std::uint8_t (&prefix)[ContainerIdBytes])
{
    if (size < ContainerIdBytes)
        return false;
    for (std::size_t i = 0; i < ContainerIdBytes; ++i)
        if (data[i] != prefix[i])
            return false;
    return true;
}

// KTX (1.1 and 2.0) and KMG files are texture containers of their own: they are
// images, just not ones this reader takes, so they are passed over quietly.
bool isOtherTextureContainer(const std::uint8_t* data, std::size_t size)
{
    return startsWith(data, size, Ktx11Id) || startsWith(data, size, Ktx20Id) ||
           startsWith(data, size, Kmg10Id);
}

bool extentIsSane(std::uint32_t width, std::uint32_t height)
{
    return width > 0 && height > 0 && width <= DdsMaxExtentTexels && height <= DdsMaxExtentTexels;
}

// Reads the format either from the legacy pixel format or from the DX10 header,
// and records where the image data starts.
DdsFailure readFormat(const std::uint8_t* data, std::size_t size, DdsParseResult& result)
{
    if ((readU32(data, PixelFormatFlagsOffset) & PixelFormatFourCc) == 0)
        return DdsFailure::UnsupportedFormat;
    const std::uint32_t code = readU32(data, FourCcOffset);
    if (code != fourCc("DX10")) {
        result.dataOffset = LegacyDataOffset;
        return formatFromFourCc(code, result) ? DdsFailure::None : DdsFailure::UnsupportedFormat;
    }
    if (size < ExtendedDataOffset)
        return DdsFailure::Unrecognised;
    result.dataOffset = ExtendedDataOffset;
    return formatFromDxgi(readU32(data, DxgiFormatOffset), result) ? DdsFailure::None
                                                                   : DdsFailure::UnsupportedFormat;
}

}  // namespace

std::uint32_t compressedLevelSize(std::uint32_t width, std::uint32_t height, std::uint32_t blockBytes)
{
    const std::uint32_t blocksWide = (width + BlockTexels - 1) / BlockTexels;
    const std::uint32_t blocksHigh = (height + BlockTexels - 1) / BlockTexels;
    return blocksWide * blocksHigh * blockBytes;
}

DdsParseResult parseDds(const std::uint8_t* data, std::size_t size)
{
    if (data == nullptr)
        return failed(DdsFailure::Unrecognised);
    if (!hasMagic(data, size))
        return failed(isOtherTextureContainer(data, size) ? DdsFailure::OtherContainer
                                                          : DdsFailure::Unrecognised);
    if (size < LegacyDataOffset || readU32(data, HeaderSizeOffset) != HeaderBytes ||
        readU32(data, PixelFormatSizeOffset) != PixelFormatBytes)
        return failed(DdsFailure::Unrecognised);

    DdsParseResult result;
    result.width = readU32(data, WidthOffset);
    result.height = readU32(data, HeightOffset);
    if (!extentIsSane(result.width, result.height))
        return failed(DdsFailure::Unrecognised);
    const DdsFailure formatFailure = readFormat(data, size, result);
    if (formatFailure != DdsFailure::None)
        return failed(formatFailure);

    result.baseLevelSize = compressedLevelSize(result.width, result.height, result.blockBytes);
    if (size - result.dataOffset < result.baseLevelSize)
        return failed(DdsFailure::Truncated);
    return result;
}
