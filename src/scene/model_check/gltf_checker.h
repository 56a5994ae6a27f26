// The checks of one glTF document, field by field, against what the importer
// follows: every reference and byte range. Internal to the glTF checks; the
// rules live in three files: this class's field readers (gltf_checker.cpp),
// buffers and accessors (gltf_storage_rules.cpp), and the scene they describe
// (gltf_scene_rules.cpp).
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "scene/model_check/json_document.h"

namespace model_check {

// Sizes and counts beyond this are refused, so byte arithmetic cannot overflow.
constexpr double MaxSize = 1099511627776.0;  // 2^40

// Most zeros all accessors without a buffer view of one file may stand for.
constexpr std::uint64_t MaxZeroFilledBytes = 256ull << 20;

// Deepest nesting of the "extras" or "extensions" of a node or a scene (the
// importer's time to read them doubles with each level).
constexpr int MaxFreeNestingDepth = 16;

struct Accessor {
    std::uint64_t count = 0;
    std::string type;
    int componentType = 0;
};

// "array[index]" or "array[index].field", to say where a problem is.
std::string where(const std::string& array, std::size_t index, const std::string& field = {});

class GltfChecker {
public:
    GltfChecker(const JsonValue& root, std::optional<std::uint64_t> binaryChunkBytes);

    // The first problem found, or nullopt when the document may be imported.
    std::optional<std::string> run();

private:
    // Field readers: each returns false and records the problem at `place`.
    bool fail(const std::string& place, const std::string& why);
    JsonItems list(const char* name) const;  // a top-level array, or none
    // A non-negative whole number no larger than MaxSize, written without
    // fraction or exponent (the importer does not read "1.0" as an index).
    static std::optional<std::uint64_t> wholeNumber(const JsonValue* value);
    // A whole number written as "1.0" or "1e0", which the format allows and
    // the importer does not read as one.
    static bool isWrittenAsDecimal(const JsonValue& value);
    static constexpr const char* WrittenAsDecimal =
        "a whole number written with a fraction or exponent, which the importer does not read";
    bool requireIndex(const JsonValue& owner, const char* key, const char* target, const std::string& place,
                      std::uint64_t* out = nullptr);
    bool optionalIndex(const JsonValue& owner, const char* key, const char* target, const std::string& place,
                       std::uint64_t* out = nullptr);
    bool checkIndex(const JsonValue& value, const char* target, const std::string& place,
                    std::uint64_t* out = nullptr);
    bool optionalWholeNumber(const JsonValue& owner, const char* key, const std::string& place,
                             std::uint64_t& out);
    bool numberArray(const JsonValue& owner, const char* key, std::size_t length, const std::string& place);
    bool optionalString(const JsonValue& owner, const char* key, const std::string& place);
    // An accessor used for `place` must have one of the given layouts.
    bool accessorShaped(std::uint64_t index, std::initializer_list<const char*> types,
                        std::initializer_list<int> componentTypes, const std::string& place);

    // The document's shape: a glTF 2.x asset whose top-level lists hold objects.
    bool checkAsset();
    bool checkTopLevelArrays();

    // Buffers, views and accessors (gltf_storage_rules.cpp).
    bool checkBuffers();
    bool checkBufferViews();
    // `count` elements of `elementSize` bytes from `offset` in view `view`.
    bool fitsInView(std::uint64_t view, std::uint64_t offset, std::uint64_t count, std::uint64_t elementSize,
                    std::uint64_t stride, const std::string& place);
    bool checkSparse(const JsonValue& sparse, const Accessor& accessor, std::uint64_t elementSize,
                     const std::string& place);
    // An accessor without a buffer view: `bytes` of zeros.
    bool checkZeroFilled(const JsonValue& json, std::uint64_t bytes, const std::string& place);
    bool checkAccessors();

    // Images to animations: what the buffers describe (gltf_scene_rules.cpp).
    // Every "...Texture" object of a material, at any depth, and in the
    // Khronos extensions; not what "extras" or other extensions hold.
    bool checkTextureReferences(const JsonValue& value, const std::string& place, bool isExtensions = false);
    bool checkImagesTexturesMaterials();
    bool checkCameras();
    // The "extras" and "extensions" of a node or scene, no deeper than MaxFreeNestingDepth.
    bool checkFreeNesting(const JsonValue& owner, const std::string& place);
    // Nodes form trees: no node has two parents or is its own ancestor.
    bool checkNodes();
    bool checkScenes();
    bool checkPrimitive(const JsonValue& primitive, const std::string& place);
    bool checkMeshes();
    bool checkSkins();
    bool checkAnimationChannel(const JsonValue& channel, JsonItems samplers, const std::string& place);
    bool checkAnimations();

    const JsonValue& root_;
    std::optional<std::uint64_t> binaryChunkBytes_;  // of a binary file's binary chunk
    std::string problem_;
    // Filled as the checks go, for the later ones: byte lengths of buffers and
    // views, view strides, morph targets per mesh, accessor layouts, and each
    // node's parent (-1 for none).
    std::vector<std::uint64_t> bufferBytes_, viewBytes_, viewStride_, morphTargets_;
    std::vector<Accessor> accessors_;
    std::vector<long> parent_;
    std::uint64_t zeroFilledBytes_ = 0;  // of the accessors without a buffer view so far
};

}  // namespace model_check
