// PNG images of one colour for the texture tests (stb_image_write: link the
// target that compiles its implementation, korvel_scene or korvel_framework).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A width x height image with every pixel set to `pixel` (channels = pixel.size()).
void writeSolidPng(const std::string& path, int width, int height, const std::vector<std::uint8_t>& pixel);
