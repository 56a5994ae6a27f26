#include "scene/model_check/gltf_checker.h"

#include <algorithm>

namespace model_check {

std::string where(const std::string& array, std::size_t index, const std::string& field)
{
    return array + "[" + std::to_string(index) + "]" + (field.empty() ? "" : "." + field);
}

GltfChecker::GltfChecker(const JsonValue& root, std::optional<std::uint64_t> binaryChunkBytes)
    : root_(root), binaryChunkBytes_(binaryChunkBytes)
{
}

std::optional<std::string> GltfChecker::run()
{
    if (!root_.IsObject())
        return std::string("the file is not a JSON object");
    if (checkAsset() && checkTopLevelArrays() && checkBuffers() && checkBufferViews() && checkAccessors() &&
        checkImagesTexturesMaterials() && checkCameras() && checkNodes() && checkScenes() && checkMeshes() &&
        checkSkins() && checkAnimations())
        return std::nullopt;
    return problem_;
}

bool GltfChecker::fail(const std::string& place, const std::string& why)
{
    problem_ = place + ": " + why;
    return false;
}

JsonItems GltfChecker::list(const char* name) const
{
    const JsonValue* value = member(root_, name);
    return value ? items(*value) : JsonItems();
}

// A non-negative whole number no larger than MaxSize, written without
// fraction or exponent. The format allows "1.0" or "1e0" for 1, but the
// importer refuses such an index or count, and takes a buffer's byteLength
// written so as missing, reading a buffer of another length than measured here.
std::optional<std::uint64_t> GltfChecker::wholeNumber(const JsonValue* value)
{
    if (!value || !value->IsNumber() || !isWrittenWhole(*value) || number(*value) < 0 ||
        number(*value) > MaxSize)
        return std::nullopt;
    return static_cast<std::uint64_t>(number(*value));
}

bool GltfChecker::isWrittenAsDecimal(const JsonValue& value)
{
    return value.IsNumber() && !isWrittenWhole(value) && number(value) >= 0 && number(value) <= MaxSize &&
           number(value) == static_cast<double>(static_cast<std::uint64_t>(number(value)));
}

bool GltfChecker::requireIndex(const JsonValue& owner, const char* key, const char* target,
                               const std::string& place, std::uint64_t* out)
{
    const JsonValue* value = member(owner, key);
    if (!value)
        return fail(place, std::string("\"") + key + "\" is missing");
    return checkIndex(*value, target, place + "." + key, out);
}

bool GltfChecker::optionalIndex(const JsonValue& owner, const char* key, const char* target,
                                const std::string& place, std::uint64_t* out)
{
    const JsonValue* value = member(owner, key);
    return !value || checkIndex(*value, target, place + "." + key, out);
}

bool GltfChecker::checkIndex(const JsonValue& value, const char* target, const std::string& place,
                             std::uint64_t* out)
{
    const auto index = wholeNumber(&value);
    const std::size_t count = list(target).size();
    if (isWrittenAsDecimal(value))
        return fail(place, WrittenAsDecimal);
    if (!index || *index >= count)
        return fail(place,
                    std::string("not an index into ") + target + " (it has " + std::to_string(count) + ")");
    if (out)
        *out = *index;
    return true;
}

bool GltfChecker::optionalWholeNumber(const JsonValue& owner, const char* key, const std::string& place,
                                      std::uint64_t& out)
{
    const JsonValue* value = member(owner, key);
    if (!value)
        return true;
    const auto number = wholeNumber(value);
    if (isWrittenAsDecimal(*value))
        return fail(place + "." + key, WrittenAsDecimal);
    if (!number)
        return fail(place + "." + key, "not a whole number in range");
    out = *number;
    return true;
}

bool GltfChecker::numberArray(const JsonValue& owner, const char* key, std::size_t length,
                              const std::string& place)
{
    const JsonValue* value = member(owner, key);
    if (!value)
        return true;
    if (!value->IsArray() || items(*value).size() != length)
        return fail(place + "." + key, "not " + std::to_string(length) + " numbers");
    for (const JsonValue& item : items(*value)) {
        if (!item.IsNumber())
            return fail(place + "." + key, "not " + std::to_string(length) + " numbers");
    }
    return true;
}

bool GltfChecker::optionalString(const JsonValue& owner, const char* key, const std::string& place)
{
    const JsonValue* value = member(owner, key);
    return !value || value->IsString() || fail(place + "." + key, "not a string");
}

// An accessor used for `place` must have one of the given layouts.
bool GltfChecker::accessorShaped(std::uint64_t index, std::initializer_list<const char*> types,
                                 std::initializer_list<int> componentTypes, const std::string& place)
{
    const Accessor& accessor = accessors_[index];
    const bool typeOk =
        std::any_of(types.begin(), types.end(), [&](const char* type) { return accessor.type == type; });
    const bool componentOk = std::find(componentTypes.begin(), componentTypes.end(),
                                       accessor.componentType) != componentTypes.end();
    if (!typeOk || !componentOk)
        return fail(place, "accessor " + std::to_string(index) + " has the wrong type (" + accessor.type +
                               " of " + std::to_string(accessor.componentType) + ")");
    return true;
}

bool GltfChecker::checkAsset()
{
    const JsonValue* asset = member(root_, "asset");
    if (!asset || !asset->IsObject())
        return fail("asset", "missing");
    // Files of the first version have a reader of their own in the importer,
    // and the rules here do not measure them; that reader trusts them as the
    // second version's did: fuzz/regressions/model_gltf_fuzz/first_version_*.
    const JsonValue* version = member(*asset, "version");
    if (!version || !version->IsString() || text(*version).rfind("2.", 0) != 0)
        return fail("asset.version", "only glTF 2.x files are read");
    return true;
}

bool GltfChecker::checkTopLevelArrays()
{
    for (const char* name : {"accessors", "animations", "buffers", "bufferViews", "cameras", "images",
                             "materials", "meshes", "nodes", "samplers", "scenes", "skins", "textures"}) {
        const JsonValue* value = member(root_, name);
        if (!value)
            continue;
        if (!value->IsArray())
            return fail(name, "not an array");
        for (std::size_t i = 0; i < items(*value).size(); ++i) {
            if (!items(*value)[i].IsObject())
                return fail(where(name, i), "not an object");
            if (!optionalString(items(*value)[i], "name", where(name, i)))
                return false;
        }
    }
    return true;
}

}  // namespace model_check
