#include "scene/gltf_check.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>

#include "scene/gltf_checker.h"
#include "scene/gltf_format.h"
#include "scene/json_value.h"

std::optional<std::string> findUnsafeGltfContent(std::string_view bytes)
{
    std::string_view json = bytes;
    std::optional<std::uint64_t> binaryChunkBytes;
    if (bytes.substr(0, 4) == "glTF") {
        std::string error;
        const auto parts = splitBinaryGltf(bytes, error);
        if (!parts)
            return error;
        json = parts->json;
        binaryChunkBytes = parts->binaryChunkBytes;
    }
    const JsonParseResult parsed = parseJson(json);
    if (!parsed.value)
        return "not valid JSON (" + parsed.error + ")";
    return GltfChecker(*parsed.value, binaryChunkBytes).run();
}

std::optional<std::string> findUnsafeGltf(const std::string& path)
{
    const std::size_t dot = path.find_last_of('.');
    std::string extension = dot == std::string::npos ? "" : path.substr(dot);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension != ".gltf" && extension != ".glb")
        return std::nullopt;
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (auto problem = findUnsafeGltfContent(bytes))
        return "Damaged glTF file " + path + ": " + *problem;
    return std::nullopt;
}
