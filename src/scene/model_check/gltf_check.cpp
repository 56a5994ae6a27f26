#include "scene/model_check/gltf_check.h"

#include <fstream>
#include <iterator>

#include "framework/file_path.h"
#include "scene/model_check/file_extension.h"
#include "scene/model_check/gltf_checker.h"
#include "scene/model_check/gltf_format.h"
#include "scene/model_check/json_document.h"

using model_check::GltfChecker;
using model_check::JsonDocument;
using model_check::lowerCaseExtension;
using model_check::parseJson;
using model_check::splitBinaryGltf;

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
    // The format lets a reader skip a UTF-8 byte order mark; the importer's
    // JSON reader does not, and then finds no reader for the file at all.
    if (json.substr(0, 3) == "\xEF\xBB\xBF")
        return std::string("it starts with a byte order mark, which the importer does not read");
    JsonDocument document;
    if (const auto error = parseJson(json, document))
        return "not valid JSON (" + *error + ")";
    return GltfChecker(document, binaryChunkBytes).run();
}

std::optional<std::string> findUnsafeGltf(const std::string& path)
{
    const std::string extension = lowerCaseExtension(path);
    if (extension != "gltf" && extension != "glb")
        return std::nullopt;
    std::ifstream file(filePath(path), std::ios::binary);
    if (!file)
        return std::nullopt;
    const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (auto problem = findUnsafeGltfContent(bytes))
        return "Damaged glTF file " + path + ": " + *problem;
    return std::nullopt;
}
