#include "scene/model_check/gltf_format.h"

#include <cctype>
#include <utility>

namespace model_check {

namespace {

std::uint32_t readLittleEndian32(std::string_view bytes, std::size_t offset)
{
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = value * 256 + static_cast<unsigned char>(bytes[offset + static_cast<std::size_t>(i)]);
    return value;
}

}  // namespace

std::uint64_t componentBytes(int type)
{
    switch (type) {
    case Byte:
    case UnsignedByte:
        return 1;
    case Short:
    case UnsignedShort:
        return 2;
    case UnsignedInt:
    case Float:
        return 4;
    default:
        return 0;
    }
}

std::uint64_t componentCount(const std::string& type)
{
    static const std::pair<const char*, std::uint64_t> ComponentCounts[] = {
        {"SCALAR", 1}, {"VEC2", 2}, {"VEC3", 3}, {"VEC4", 4}, {"MAT2", 4}, {"MAT3", 9}, {"MAT4", 16}};
    for (const auto& [name, count] : ComponentCounts) {
        if (type == name)
            return count;
    }
    return 0;
}

std::uint64_t elementBytes(const std::string& type, int componentType)
{
    const std::uint64_t size = componentBytes(componentType);
    const auto column = [size](std::uint64_t rows) { return (rows * size + 3) / 4 * 4; };
    if (type == "MAT2")
        return 2 * column(2);
    if (type == "MAT3")
        return 3 * column(3);
    return componentCount(type) * size;
}

std::optional<std::uint64_t> dataUriLength(const std::string& uri)
{
    const std::size_t comma = uri.find(',');
    if (comma == std::string::npos)
        return std::nullopt;
    const std::string header = uri.substr(0, comma);
    const std::string payload = uri.substr(comma + 1);
    if (header.size() < 7 || header.compare(header.size() - 7, 7, ";base64") != 0)
        return payload.size();
    if (payload.size() % 4 != 0)
        return std::nullopt;
    std::size_t padding = 0;
    for (std::size_t i = 0; i < payload.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(payload[i]);
        const bool inAlphabet = std::isalnum(c) || c == '+' || c == '/';
        if (c == '=' && i + 2 >= payload.size())
            ++padding;
        else if (!inAlphabet || padding > 0)
            return std::nullopt;
    }
    return payload.size() / 4 * 3 - padding;
}

std::optional<BinaryGltf> splitBinaryGltf(std::string_view bytes, std::string& error)
{
    // A 12-byte header, then a JSON chunk and perhaps a binary one, each an
    // 8-byte header and 4-byte aligned data.
    if (bytes.size() < 20) {
        error = "the binary header is cut short";
        return std::nullopt;
    }
    const std::uint64_t total = readLittleEndian32(bytes, 8);
    const std::uint64_t jsonBytes = readLittleEndian32(bytes, 12);
    if (readLittleEndian32(bytes, 4) != 2) {
        error = "only binary glTF version 2 is read";
        return std::nullopt;
    }
    if (total > bytes.size() || 20 + jsonBytes > total || readLittleEndian32(bytes, 16) != 0x4E4F534A) {
        error = "the binary header's lengths do not fit the file";
        return std::nullopt;
    }
    BinaryGltf parts;
    parts.json = bytes.substr(20, jsonBytes);
    const std::uint64_t binaryStart = 20 + (jsonBytes + 3) / 4 * 4;
    if (binaryStart + 8 <= total) {
        const std::uint64_t binaryBytes = readLittleEndian32(bytes, binaryStart);
        const bool isBinaryChunk = readLittleEndian32(bytes, binaryStart + 4) == 0x004E4942;
        if (isBinaryChunk && binaryStart + 8 + binaryBytes <= total)
            parts.binaryChunkBytes = binaryBytes;
    }
    return parts;
}

}  // namespace model_check
