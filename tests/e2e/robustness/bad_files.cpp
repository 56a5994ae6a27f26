#include "bad_files.h"

#include <array>
#include <sstream>
#include <algorithm>
#include <vector>

#include "support/base64.h"
#include "support/test_files.h"

namespace {

constexpr std::size_t MaxStoredBlockBytes = 65535;  // deflate's limit per stored block
constexpr char PngSignature[] = "\x89PNG\r\n\x1a\n";

std::uint32_t crc32(const std::string& bytes)
{
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> entries{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1u) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            entries[n] = c;
        }
        return entries;
    }();
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const char byte : bytes)
        crc = table[(crc ^ static_cast<std::uint8_t>(byte)) & 0xFFu] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

void appendBigEndian(std::string& out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out += static_cast<char>((value >> shift) & 0xFFu);
}

void appendChunk(std::string& png, const char* type, const std::string& data)
{
    appendBigEndian(png, static_cast<std::uint32_t>(data.size()));
    const std::string typed = type + data;
    png += typed;
    appendBigEndian(png, crc32(typed));
}

// A zlib stream of stored (uncompressed) deflate blocks.
std::string storedZlib(const std::string& raw)
{
    std::string out("\x78\x01", 2);
    std::size_t offset = 0;
    do {
        const std::size_t length = std::min(MaxStoredBlockBytes, raw.size() - offset);
        const bool last = offset + length == raw.size();
        out += static_cast<char>(last ? 1 : 0);
        out += static_cast<char>(length & 0xFFu);
        out += static_cast<char>(length >> 8);
        out += static_cast<char>(~length & 0xFFu);
        out += static_cast<char>((~length >> 8) & 0xFFu);
        out.append(raw, offset, length);
        offset += length;
    } while (offset < raw.size());
    std::uint32_t a = 1;
    std::uint32_t b = 0;
    for (const char byte : raw) {
        a = (a + static_cast<std::uint8_t>(byte)) % 65521u;
        b = (b + a) % 65521u;
    }
    appendBigEndian(out, (b << 16) | a);
    return out;
}

template <typename T>
void appendRaw(std::string& out, T value)
{
    out.append(reinterpret_cast<const char*>(&value), sizeof value);
}

}  // namespace

std::string makeBlackPng(std::uint32_t width, std::uint32_t height)
{
    std::string header;
    appendBigEndian(header, width);
    appendBigEndian(header, height);
    header += std::string("\x01\x00\x00\x00\x00", 5);  // 1 bit grey, deflate, no interlace
    const std::size_t rowBytes = 1 + (width + 7) / 8;  // filter byte, then the bits
    const std::string rows(rowBytes * height, '\0');

    std::string png(PngSignature, 8);
    appendChunk(png, "IHDR", header);
    appendChunk(png, "IDAT", storedZlib(rows));
    appendChunk(png, "IEND", "");
    return png;
}

std::string makeSkinnedGltf(int jointCount)
{
    const int vertexCount = ((jointCount + 2) / 3 + 1) * 3;  // whole triangles, every joint used
    std::string positions, joints, weights;
    for (int v = 0; v < vertexCount; ++v) {
        for (const float coordinate : {float(v % 3), float(v / 3), 0.0f})
            appendRaw(positions, coordinate);
        for (int slot = 0; slot < 4; ++slot) {
            appendRaw(joints, static_cast<std::uint16_t>(slot == 0 ? v % jointCount : 0));
            appendRaw(weights, slot == 0 ? 1.0f : 0.0f);
        }
    }
    std::string inverseBinds;  // identity for every joint: the file's rest pose
    for (int j = 0; j < jointCount; ++j) {
        for (int element = 0; element < 16; ++element)
            appendRaw(inverseBinds, element % 5 == 0 ? 1.0f : 0.0f);
    }
    const std::string buffer = positions + joints + weights + inverseBinds;
    std::ostringstream json;
    json << R"({"asset":{"version":"2.0"},"scene":0,"scenes":[{"nodes":[0]}],"nodes":[)"
         << R"({"name":"Root","children":[1)";
    for (int j = 0; j < jointCount; ++j)
        json << "," << j + 2;
    json << R"(]},{"name":"Body","mesh":0,"skin":0})";
    for (int j = 0; j < jointCount; ++j)
        json << R"(,{"name":"Joint)" << j << R"("})";
    json << R"(],"skins":[{"joints":[)";
    for (int j = 0; j < jointCount; ++j)
        json << (j ? "," : "") << j + 2;
    json
        << R"(],"inverseBindMatrices":3}],"meshes":[{"primitives":[{"attributes":{"POSITION":0,"JOINTS_0":1,"WEIGHTS_0":2}}]}],)"
        << R"("accessors":[)"
        << R"({"bufferView":0,"componentType":5126,"count":)" << vertexCount
        << R"(,"type":"VEC3","min":[0,0,0],"max":[2,)" << (vertexCount / 3 - 1) << R"(,0]},)"
        << R"({"bufferView":1,"componentType":5123,"count":)" << vertexCount << R"(,"type":"VEC4"},)"
        << R"({"bufferView":2,"componentType":5126,"count":)" << vertexCount << R"(,"type":"VEC4"},)"
        << R"({"bufferView":3,"componentType":5126,"count":)" << jointCount << R"(,"type":"MAT4"}],)"
        << R"("bufferViews":[)"
        << R"({"buffer":0,"byteOffset":0,"byteLength":)" << positions.size() << "},"
        << R"({"buffer":0,"byteOffset":)" << positions.size() << R"(,"byteLength":)" << joints.size() << "},"
        << R"({"buffer":0,"byteOffset":)" << positions.size() + joints.size() << R"(,"byteLength":)"
        << weights.size() << "},"
        << R"({"buffer":0,"byteOffset":)" << positions.size() + joints.size() + weights.size()
        << R"(,"byteLength":)" << inverseBinds.size() << "}],"
        << R"("buffers":[{"byteLength":)" << buffer.size()
        << R"(,"uri":"data:application/octet-stream;base64,)" << encodeBase64(buffer) << R"("}]})";
    return json.str();
}

std::string assetPrefix(const std::string& relativePath, std::size_t byteCount)
{
    return readWholeFile(sourceTreePath(relativePath)).substr(0, byteCount);
}
