// Loading the base level of a block-compressed DDS texture file into memory.
//
// loadDDS reads one already-resolved file, checks it with parseDds and hands back
// the top-level compressed image with the GL format to upload it with. A file that
// cannot be used prints one line (or nothing, when it is a KTX or KMG container) and
// gives an empty image; nothing is fatal. No GL calls are made here.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The top-level compressed image of a DDS file. A failed load has no data and
// every number zero.
struct DDSImage {
    std::vector<std::uint8_t> data;  // exactly `size` bytes of 4x4 blocks, rows top to bottom as stored
    std::int32_t width = 0;          // texels
    std::int32_t height = 0;         // texels
    std::int32_t size = 0;           // bytes of the base level, computed from extent and block size
    std::uint32_t format = 0;        // GL internal format (GL_COMPRESSED_RGBA_S3TC_DXT1/3/5_EXT)

    bool isLoaded() const { return !data.empty(); }
};

// Reads the DDS file at `path` (already resolved, not searched for). Any mipmap
// levels stored after the base level are ignored.
DDSImage loadDDS(const std::string& path);
