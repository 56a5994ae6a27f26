// Small files the scene tests write for themselves: a scratch folder that
// removes itself, text files, and PNG images of a given channel count.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // `relative` inside the folder, as a string with "/" separators.
    std::string path(const std::string& relative) const;

private:
    std::filesystem::path root;
};

void writeTextFile(const std::string& path, const std::string& text);

// A width x height image with every pixel set to `pixel` (channels = pixel.size()).
void writeSolidPng(const std::string& path, int width, int height,
                   const std::vector<std::uint8_t>& pixel);
