#include "dds_writer.h"

#include "obj_writer.h"

#include <stb/stb_dxt.h>

#include <algorithm>

namespace {

constexpr uint32_t HeaderSize = 124, PixelFormatSize = 32;
constexpr uint32_t FlagCaps = 0x1, FlagHeight = 0x2, FlagWidth = 0x4, FlagPixelFormat = 0x1000,
                   FlagLinearSize = 0x80000;
constexpr uint32_t PixelFormatFourCc = 0x4;
constexpr uint32_t CapsTexture = 0x1000;
constexpr int BlockBytes = 8;

void putU32(std::vector<uint8_t>& out, uint32_t v)
{
    for (int k = 0; k < 4; ++k)
        out.push_back(static_cast<uint8_t>(v >> (8 * k)));
}

void putHeader(std::vector<uint8_t>& out, uint32_t width, uint32_t height, uint32_t linearSize)
{
    out.insert(out.end(), {'D', 'D', 'S', ' '});
    putU32(out, HeaderSize);
    putU32(out, FlagCaps | FlagHeight | FlagWidth | FlagPixelFormat | FlagLinearSize);
    putU32(out, height);
    putU32(out, width);
    putU32(out, linearSize);
    putU32(out, 0);  // depth
    putU32(out, 0);  // mipmap count: base level only
    for (int k = 0; k < 11; ++k)
        putU32(out, 0);  // reserved
    putU32(out, PixelFormatSize);
    putU32(out, PixelFormatFourCc);
    out.insert(out.end(), {'D', 'X', 'T', '1'});
    for (int k = 0; k < 5; ++k)
        putU32(out, 0);  // bit counts and masks, unused with a FourCC
    putU32(out, CapsTexture);
    for (int k = 0; k < 4; ++k)
        putU32(out, 0);  // caps 2-4 and reserved
}

}  // namespace

std::vector<uint8_t> encodeDxt1Dds(const Image& rgb)
{
    const int blocksX = (rgb.width + 3) / 4, blocksY = (rgb.height + 3) / 4;
    std::vector<uint8_t> out;
    putHeader(out, rgb.width, rgb.height, static_cast<uint32_t>(blocksX * blocksY * BlockBytes));
    Image source = rgb;
    for (int by = 0; by < blocksY; ++by) {
        for (int bx = 0; bx < blocksX; ++bx) {
            unsigned char texels[16 * 4];
            for (int k = 0; k < 16; ++k) {
                const int x = std::min(bx * 4 + k % 4, rgb.width - 1),
                          y = std::min(by * 4 + k / 4, rgb.height - 1);
                const uint8_t* p = source.at(x, y);
                texels[k * 4 + 0] = p[0];
                texels[k * 4 + 1] = p[1];
                texels[k * 4 + 2] = p[2];
                texels[k * 4 + 3] = 255;
            }
            unsigned char block[BlockBytes];
            stb_compress_dxt_block(block, texels, 0, STB_DXT_HIGHQUAL);
            out.insert(out.end(), block, block + BlockBytes);
        }
    }
    return out;
}

void writeDds(const std::string& path, const Image& rgb)
{
    const std::vector<uint8_t> bytes = encodeDxt1Dds(rgb);
    writeTextFile(path, std::string(bytes.begin(), bytes.end()));
}
