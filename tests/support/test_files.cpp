#include "test_files.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

void writeWholeFile(const std::string& path, const std::string& bytes)
{
    std::ofstream file(std::filesystem::u8path(path), std::ios::binary | std::ios::trunc);
    file << bytes;
    if (!file)
        throw std::runtime_error("cannot write " + path);
}

void writeBytes(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    writeWholeFile(path, std::string(bytes.begin(), bytes.end()));
}

std::string sourceTreePath(const std::string& relative)
{
    return std::string(KORVEL_SOURCE_DIR) + "/" + relative;
}

std::string readWholeFile(const std::string& path)
{
    std::ifstream file(std::filesystem::u8path(path), std::ios::binary);
    if (!file)
        throw std::runtime_error("cannot read " + path);
    return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}
