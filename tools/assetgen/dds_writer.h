// Writes an RGB image as a DXT1 (BC1) DDS file: the "DDS " magic, the 124-byte
// header with the base level's byte count as its linear size, then 8-byte blocks
// of 4 x 4 texels compressed by stb_dxt. Only the base level is stored.
#pragma once

#include "texture_image.h"

#include <cstdint>
#include <string>
#include <vector>

std::vector<uint8_t> encodeDxt1Dds(const Image& rgb);
void writeDds(const std::string& path, const Image& rgb);
