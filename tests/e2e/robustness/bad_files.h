// Damaged and awkward input files for the robustness runs, built in memory so
// each test writes exactly the bytes it means into its copy of the game's tree.
#pragma once

#include <cstdint>
#include <string>

// A complete, valid grey PNG of width x height with one bit per pixel, all
// black. The pixel data goes uncompressed (stored deflate blocks), so a large
// image is large on disk too: 16384 x 16384 takes about 32 MiB.
std::string makeBlackPng(std::uint32_t width, std::uint32_t height);

// A glTF model with one skinned mesh whose skin names `jointCount` joints
// ("Joint0", "Joint1", ...), each with a weight on at least one vertex. The
// buffer is a base64 data URI; the file has no animation.
std::string makeSkinnedGltf(int jointCount);

// The first `byteCount` bytes of a file of the real asset tree (a path
// relative to the project root).
std::string assetPrefix(const std::string& relativePath, std::size_t byteCount);
