#include "wav_writer.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>

namespace {

void putLittleEndian(std::string& out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

}  // namespace

bool writeMonoWav(const std::string& path, const std::vector<double>& samples, int sampleRate)
{
    constexpr int BytesPerSample = 2;
    const uint32_t dataBytes = static_cast<uint32_t>(samples.size() * BytesPerSample);
    std::string bytes = "RIFF";
    putLittleEndian(bytes, 36 + dataBytes, 4);
    bytes += "WAVEfmt ";
    putLittleEndian(bytes, 16, 4);  // size of the PCM format block
    putLittleEndian(bytes, 1, 2);   // PCM
    putLittleEndian(bytes, 1, 2);   // mono
    putLittleEndian(bytes, static_cast<uint32_t>(sampleRate), 4);
    putLittleEndian(bytes, static_cast<uint32_t>(sampleRate * BytesPerSample), 4);
    putLittleEndian(bytes, BytesPerSample, 2);
    putLittleEndian(bytes, 16, 2);
    bytes += "data";
    putLittleEndian(bytes, dataBytes, 4);
    for (const double sample : samples) {
        const double clipped = std::clamp(sample, -1.0, 1.0);
        const auto value = static_cast<int16_t>(std::lround(clipped * 32767.0));
        putLittleEndian(bytes, static_cast<uint16_t>(value), 2);
    }

    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream file(path, std::ios::binary);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!file) {
        std::cerr << "assetgen: could not write " << path << "\n";
        return false;
    }
    return true;
}
