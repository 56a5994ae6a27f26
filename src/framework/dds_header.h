// Reading the header of a DirectDraw Surface (DDS) file held in memory.
//
// The game's DDS textures are block-compressed (DXT1, DXT3, DXT5, or the same
// blocks announced as BC1-BC3 through the "DX10" extended header). This module
// only looks at bytes: it checks the header, picks the GL upload format and works
// out where the base level lies and how many bytes it takes. It opens no files
// and calls no GL, so it is tested with hand-made byte arrays.
#pragma once

#include <cstddef>
#include <cstdint>

// GL internal formats of the S3TC blocks, spelled out so that this module needs
// no GL header (same values as GL_COMPRESSED_RGBA_S3TC_DXT*_EXT).
constexpr std::uint32_t GlCompressedRgbaDxt1 = 0x83F1;
constexpr std::uint32_t GlCompressedRgbaDxt3 = 0x83F2;
constexpr std::uint32_t GlCompressedRgbaDxt5 = 0x83F3;

// Largest accepted width or height in texels; anything bigger is a damaged header.
constexpr std::uint32_t DdsMaxExtentTexels = 16384;

// Why a file cannot be used. Each kind maps to one outcome in loadDDS.
enum class DdsFailure {
    None,               // usable
    OtherContainer,     // a KTX or KMG texture container, not DDS: passed over silently
    Unrecognised,       // no image at all (empty, text, another image format), or "DDS "
                        // with a header cut short, damaged or of absurd extent
    UnsupportedFormat,  // a valid DDS whose pixels are not DXT1/3/5 blocks
    Truncated,          // the header is fine but the file ends inside the base level
};

// Everything the upload needs to know about the base level. On failure every
// number is zero and `failure` says why.
struct DdsParseResult {
    DdsFailure failure = DdsFailure::None;
    std::uint32_t width = 0;          // texels
    std::uint32_t height = 0;         // texels
    std::uint32_t glFormat = 0;       // one of GlCompressedRgbaDxt*
    std::uint32_t blockBytes = 0;     // bytes per 4x4 block: 8 (DXT1) or 16 (DXT3/5)
    std::uint32_t baseLevelSize = 0;  // bytes of the base level, computed from extent and blocks
    std::size_t dataOffset = 0;       // file offset of the base level: 128, or 148 after a DX10 header
};

// Bytes taken by a w x h image of 4x4 blocks, rounding partial blocks up.
std::uint32_t compressedLevelSize(std::uint32_t width, std::uint32_t height, std::uint32_t blockBytes);

// Parses a whole DDS file image of `size` bytes. Does not keep `data`.
DdsParseResult parseDds(const std::uint8_t* data, std::size_t size);
