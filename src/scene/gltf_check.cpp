#include "scene/gltf_check.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <vector>

#include "scene/json_value.h"

namespace {

// Sizes and counts beyond this are refused, so byte arithmetic cannot overflow.
constexpr double MaxSize = 1099511627776.0;  // 2^40

constexpr int Byte = 5120, UnsignedByte = 5121, Short = 5122, UnsignedShort = 5123,
              UnsignedInt = 5125, Float = 5126;

std::string lowerCase(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string where(const std::string& array, std::size_t index, const std::string& field = {})
{
    return array + "[" + std::to_string(index) + "]" + (field.empty() ? "" : "." + field);
}

std::uint64_t componentBytes(int type)
{
    switch (type) {
    case Byte: case UnsignedByte: return 1;
    case Short: case UnsignedShort: return 2;
    case UnsignedInt: case Float: return 4;
    default: return 0;
    }
}

std::uint64_t componentCount(const std::string& type)
{
    static const std::pair<const char*, std::uint64_t> counts[] = {
        {"SCALAR", 1}, {"VEC2", 2}, {"VEC3", 3}, {"VEC4", 4}, {"MAT2", 4}, {"MAT3", 9}, {"MAT4", 16}};
    for (const auto& [name, count] : counts) {
        if (type == name)
            return count;
    }
    return 0;
}

// Bytes of one element; matrix columns start on 4-byte boundaries.
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

// The decoded length of a data URI's payload, or nullopt when it is damaged.
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

struct Accessor {
    std::uint64_t count = 0;
    std::string type;
    int componentType = 0;
};

class GltfChecker {
public:
    GltfChecker(const JsonValue& root, std::optional<std::uint64_t> binaryChunkBytes)
        : root_(root), binaryChunkBytes_(binaryChunkBytes)
    {
    }

    std::optional<std::string> run()
    {
        if (!root_.isObject())
            return std::string("the file is not a JSON object");
        if (checkAsset() && checkTopLevelArrays() && checkBuffers() && checkBufferViews() &&
            checkAccessors() && checkImagesTexturesMaterials() && checkCameras() && checkNodes() &&
            checkScenes() && checkMeshes() && checkSkins() && checkAnimations())
            return std::nullopt;
        return problem_;
    }

private:
    bool fail(const std::string& place, const std::string& why)
    {
        problem_ = place + ": " + why;
        return false;
    }

    const std::vector<JsonValue>& list(const char* name) const
    {
        static const std::vector<JsonValue> none;
        const JsonValue* value = root_.member(name);
        return value ? value->items : none;
    }

    // A non-negative whole number no larger than MaxSize, written without
    // fraction or exponent (the importer does not read "1.0" as an index).
    static std::optional<std::uint64_t> wholeNumber(const JsonValue* value)
    {
        if (!value || !value->isNumber() || !value->integral || value->number < 0 ||
            value->number > MaxSize)
            return std::nullopt;
        return static_cast<std::uint64_t>(value->number);
    }

    bool requireIndex(const JsonValue& owner, const char* key, const char* target,
                      const std::string& place, std::uint64_t* out = nullptr)
    {
        const JsonValue* value = owner.member(key);
        if (!value)
            return fail(place, std::string("\"") + key + "\" is missing");
        return checkIndex(*value, target, place + "." + key, out);
    }

    bool optionalIndex(const JsonValue& owner, const char* key, const char* target,
                       const std::string& place, std::uint64_t* out = nullptr)
    {
        const JsonValue* value = owner.member(key);
        return !value || checkIndex(*value, target, place + "." + key, out);
    }

    bool checkIndex(const JsonValue& value, const char* target, const std::string& place,
                    std::uint64_t* out = nullptr)
    {
        const auto index = wholeNumber(&value);
        const std::size_t count = list(target).size();
        if (!index || *index >= count)
            return fail(place, std::string("not an index into ") + target + " (it has " +
                                   std::to_string(count) + ")");
        if (out)
            *out = *index;
        return true;
    }

    bool optionalWholeNumber(const JsonValue& owner, const char* key, const std::string& place,
                             std::uint64_t& out)
    {
        const JsonValue* value = owner.member(key);
        if (!value)
            return true;
        const auto number = wholeNumber(value);
        if (!number)
            return fail(place + "." + key, "not a whole number in range");
        out = *number;
        return true;
    }

    bool numberArray(const JsonValue& owner, const char* key, std::size_t length,
                     const std::string& place)
    {
        const JsonValue* value = owner.member(key);
        if (!value)
            return true;
        if (!value->isArray() || value->items.size() != length)
            return fail(place + "." + key, "not " + std::to_string(length) + " numbers");
        for (const JsonValue& item : value->items) {
            if (!item.isNumber())
                return fail(place + "." + key, "not " + std::to_string(length) + " numbers");
        }
        return true;
    }

    bool optionalString(const JsonValue& owner, const char* key, const std::string& place)
    {
        const JsonValue* value = owner.member(key);
        return !value || value->isString() || fail(place + "." + key, "not a string");
    }

    bool checkAsset()
    {
        const JsonValue* asset = root_.member("asset");
        if (!asset || !asset->isObject())
            return fail("asset", "missing");
        const JsonValue* version = asset->member("version");
        if (!version || !version->isString() || version->text.rfind("2.", 0) != 0)
            return fail("asset.version", "only glTF 2.x files are read");
        return true;
    }

    bool checkTopLevelArrays()
    {
        for (const char* name : {"accessors", "animations", "buffers", "bufferViews", "cameras",
                                 "images", "materials", "meshes", "nodes", "samplers", "scenes",
                                 "skins", "textures"}) {
            const JsonValue* value = root_.member(name);
            if (!value)
                continue;
            if (!value->isArray())
                return fail(name, "not an array");
            for (std::size_t i = 0; i < value->items.size(); ++i) {
                if (!value->items[i].isObject())
                    return fail(where(name, i), "not an object");
                if (!optionalString(value->items[i], "name", where(name, i)))
                    return false;
            }
        }
        return true;
    }

    bool checkBuffers()
    {
        const auto& buffers = list("buffers");
        bufferBytes_.assign(buffers.size(), 0);
        for (std::size_t i = 0; i < buffers.size(); ++i) {
            const std::string place = where("buffers", i);
            const auto length = wholeNumber(buffers[i].member("byteLength"));
            if (!length || *length == 0)
                return fail(place + ".byteLength", "missing or not a positive whole number");
            bufferBytes_[i] = *length;
            const JsonValue* uri = buffers[i].member("uri");
            if (!uri) {
                // Only the first buffer of a binary file may live in its binary chunk.
                if (i != 0 || !binaryChunkBytes_ || *binaryChunkBytes_ < *length)
                    return fail(place, "no uri and no binary chunk large enough to hold it");
                continue;
            }
            if (!uri->isString())
                return fail(place + ".uri", "not a string");
            if (uri->text.rfind("data:", 0) == 0) {
                const auto decoded = dataUriLength(uri->text);
                if (!decoded || *decoded < *length)
                    return fail(place + ".uri", "damaged or shorter than byteLength");
            }
        }
        return true;
    }

    bool checkBufferViews()
    {
        const auto& views = list("bufferViews");
        viewBytes_.assign(views.size(), 0);
        viewStride_.assign(views.size(), 0);
        for (std::size_t i = 0; i < views.size(); ++i) {
            const std::string place = where("bufferViews", i);
            std::uint64_t buffer = 0, offset = 0, stride = 0;
            if (!requireIndex(views[i], "buffer", "buffers", place, &buffer) ||
                !optionalWholeNumber(views[i], "byteOffset", place, offset) ||
                !optionalWholeNumber(views[i], "byteStride", place, stride))
                return false;
            const auto length = wholeNumber(views[i].member("byteLength"));
            if (!length || *length == 0)
                return fail(place + ".byteLength", "missing or not a positive whole number");
            if (offset + *length > bufferBytes_[buffer])
                return fail(place, "reaches past the end of its buffer");
            if (views[i].member("byteStride") && (stride < 4 || stride > 252 || stride % 4 != 0))
                return fail(place + ".byteStride", "not a multiple of 4 from 4 to 252");
            viewBytes_[i] = *length;
            viewStride_[i] = stride;
        }
        return true;
    }

    // `count` elements of `elementSize` bytes from `offset` in view `view`.
    bool fitsInView(std::uint64_t view, std::uint64_t offset, std::uint64_t count,
                    std::uint64_t elementSize, std::uint64_t stride, const std::string& place)
    {
        if (stride != 0 && stride < elementSize)
            return fail(place, "the view's byteStride is smaller than one element");
        const std::uint64_t step = stride != 0 ? stride : elementSize;
        if (offset + step * (count - 1) + elementSize > viewBytes_[view])
            return fail(place, "reaches past the end of its buffer view");
        return true;
    }

    bool checkSparse(const JsonValue& sparse, const Accessor& accessor, std::uint64_t elementSize,
                     const std::string& place)
    {
        const auto count = wholeNumber(sparse.member("count"));
        if (!count || *count == 0 || *count > accessor.count)
            return fail(place + ".count", "not from 1 to the accessor's count");
        for (const char* part : {"indices", "values"}) {
            const JsonValue* block = sparse.member(part);
            const std::string blockPlace = place + "." + part;
            if (!block || !block->isObject())
                return fail(blockPlace, "missing");
            std::uint64_t view = 0, offset = 0;
            if (!requireIndex(*block, "bufferView", "bufferViews", blockPlace, &view) ||
                !optionalWholeNumber(*block, "byteOffset", blockPlace, offset))
                return false;
            std::uint64_t size = elementSize;
            if (std::string(part) == "indices") {
                const JsonValue* type = block->member("componentType");
                const int componentType = type && type->isNumber() ? static_cast<int>(type->number) : 0;
                if (componentType != UnsignedByte && componentType != UnsignedShort &&
                    componentType != UnsignedInt)
                    return fail(blockPlace + ".componentType", "not an unsigned integer type");
                size = componentBytes(componentType);
            }
            if (!fitsInView(view, offset, *count, size, 0, blockPlace))
                return false;
        }
        return true;
    }

    bool checkAccessors()
    {
        const auto& accessors = list("accessors");
        accessors_.assign(accessors.size(), {});
        for (std::size_t i = 0; i < accessors.size(); ++i) {
            const JsonValue& json = accessors[i];
            const std::string place = where("accessors", i);
            Accessor& accessor = accessors_[i];
            const JsonValue* type = json.member("type");
            const JsonValue* componentType = json.member("componentType");
            const auto count = wholeNumber(json.member("count"));
            if (!type || !type->isString() || componentCount(type->text) == 0)
                return fail(place + ".type", "missing or unknown");
            if (!componentType || !componentType->isNumber() || !componentType->integral ||
                componentBytes(static_cast<int>(componentType->number)) == 0 ||
                componentType->number != static_cast<int>(componentType->number))
                return fail(place + ".componentType", "missing or unknown");
            if (!count || *count == 0 || *count > 0xFFFFFFFFull)
                return fail(place + ".count", "missing or out of range");
            accessor = {*count, type->text, static_cast<int>(componentType->number)};
            const std::uint64_t elementSize = elementBytes(accessor.type, accessor.componentType);
            for (const char* bound : {"min", "max"}) {
                if (!numberArray(json, bound, componentCount(accessor.type), place))
                    return false;
            }
            // An accessor without a buffer view is all zeros in the format's
            // rules; the importer has no data to read for it.
            std::uint64_t view = 0, offset = 0;
            if (!requireIndex(json, "bufferView", "bufferViews", place, &view) ||
                !optionalWholeNumber(json, "byteOffset", place, offset) ||
                !fitsInView(view, offset, accessor.count, elementSize, viewStride_[view], place))
                return false;
            if (const JsonValue* sparse = json.member("sparse")) {
                if (!sparse->isObject())
                    return fail(place + ".sparse", "not an object");
                if (!checkSparse(*sparse, accessor, elementSize, place + ".sparse"))
                    return false;
            }
        }
        return true;
    }

    // An accessor used for `place` must have one of the given layouts.
    bool accessorShaped(std::uint64_t index, std::initializer_list<const char*> types,
                        std::initializer_list<int> componentTypes, const std::string& place)
    {
        const Accessor& accessor = accessors_[index];
        const bool typeOk = std::any_of(types.begin(), types.end(),
                                        [&](const char* type) { return accessor.type == type; });
        const bool componentOk = std::find(componentTypes.begin(), componentTypes.end(),
                                           accessor.componentType) != componentTypes.end();
        if (!typeOk || !componentOk)
            return fail(place, "accessor " + std::to_string(index) + " has the wrong type (" +
                                   accessor.type + " of " + std::to_string(accessor.componentType) + ")");
        return true;
    }

    // Every "...Texture" object of a material, at any depth (extensions too).
    bool checkTextureReferences(const JsonValue& value, const std::string& place)
    {
        for (const auto& [key, member] : value.members) {
            const std::string memberPlace = place + "." + key;
            if (!member.isObject())
                continue;
            const bool isTextureInfo = key.size() >= 7 && key.compare(key.size() - 7, 7, "Texture") == 0;
            std::uint64_t unused = 0;
            if (isTextureInfo && (!requireIndex(member, "index", "textures", memberPlace) ||
                                  !optionalWholeNumber(member, "texCoord", memberPlace, unused)))
                return false;
            if (!checkTextureReferences(member, memberPlace))
                return false;
        }
        return true;
    }

    bool checkImagesTexturesMaterials()
    {
        const auto& images = list("images");
        for (std::size_t i = 0; i < images.size(); ++i) {
            const std::string place = where("images", i);
            if (!optionalString(images[i], "uri", place) ||
                !optionalString(images[i], "mimeType", place) ||
                !optionalIndex(images[i], "bufferView", "bufferViews", place))
                return false;
        }
        const auto& textures = list("textures");
        for (std::size_t i = 0; i < textures.size(); ++i) {
            const std::string place = where("textures", i);
            if (!optionalIndex(textures[i], "source", "images", place) ||
                !optionalIndex(textures[i], "sampler", "samplers", place))
                return false;
        }
        const auto& materials = list("materials");
        for (std::size_t i = 0; i < materials.size(); ++i) {
            const std::string place = where("materials", i);
            if (!checkTextureReferences(materials[i], place) ||
                !numberArray(materials[i], "emissiveFactor", 3, place))
                return false;
            if (const JsonValue* pbr = materials[i].member("pbrMetallicRoughness")) {
                if (!pbr->isObject())
                    return fail(place + ".pbrMetallicRoughness", "not an object");
                if (!numberArray(*pbr, "baseColorFactor", 4, place + ".pbrMetallicRoughness"))
                    return false;
            }
        }
        return true;
    }

    bool checkCameras()
    {
        const auto& cameras = list("cameras");
        for (std::size_t i = 0; i < cameras.size(); ++i) {
            const JsonValue* type = cameras[i].member("type");
            if (!type || !type->isString() ||
                (type->text != "perspective" && type->text != "orthographic"))
                return fail(where("cameras", i, "type"), "not \"perspective\" or \"orthographic\"");
            const JsonValue* projection = cameras[i].member(type->text);
            if (!projection || !projection->isObject())
                return fail(where("cameras", i, type->text), "missing");
        }
        return true;
    }

    // Nodes form trees: no node has two parents or is its own ancestor.
    bool checkNodes()
    {
        const auto& nodes = list("nodes");
        const JsonValue* lights = nullptr;
        if (const JsonValue* extensions = root_.member("extensions"))
            if (const JsonValue* punctual = extensions->member("KHR_lights_punctual"))
                lights = punctual->member("lights");
        parent_.assign(nodes.size(), -1);
        for (std::size_t i = 0; i < nodes.size(); ++i) {
            const JsonValue& node = nodes[i];
            const std::string place = where("nodes", i);
            if (!optionalIndex(node, "mesh", "meshes", place) ||
                !optionalIndex(node, "skin", "skins", place) ||
                !optionalIndex(node, "camera", "cameras", place) ||
                !numberArray(node, "matrix", 16, place) || !numberArray(node, "translation", 3, place) ||
                !numberArray(node, "rotation", 4, place) || !numberArray(node, "scale", 3, place))
                return false;
            if (node.member("skin") && !node.member("mesh"))
                return fail(place, "has a skin but no mesh");
            if (const JsonValue* extensions = node.member("extensions"))
                if (const JsonValue* punctual = extensions->member("KHR_lights_punctual"))
                    if (const JsonValue* light = punctual->member("light")) {
                        const auto index = wholeNumber(light);
                        if (!index || !lights || !lights->isArray() || *index >= lights->items.size())
                            return fail(place + ".extensions.KHR_lights_punctual.light", "no such light");
                    }
            const JsonValue* children = node.member("children");
            if (!children)
                continue;
            if (!children->isArray())
                return fail(place + ".children", "not an array");
            for (const JsonValue& child : children->items) {
                std::uint64_t index = 0;
                if (!checkIndex(child, "nodes", place + ".children", &index))
                    return false;
                if (parent_[index] != -1)
                    return fail(where("nodes", index), "has more than one parent");
                parent_[index] = static_cast<long>(i);
            }
        }
        for (std::size_t i = 0; i < nodes.size(); ++i) {
            std::size_t steps = 0;
            for (long up = parent_[i]; up != -1; up = parent_[static_cast<std::size_t>(up)]) {
                if (++steps > nodes.size())
                    return fail(where("nodes", i), "is its own ancestor");
            }
        }
        return true;
    }

    bool checkScenes()
    {
        const auto& scenes = list("scenes");
        if (!optionalIndex(root_, "scene", "scenes", "the file"))
            return false;
        for (std::size_t i = 0; i < scenes.size(); ++i) {
            const JsonValue* roots = scenes[i].member("nodes");
            if (!roots)
                continue;
            const std::string place = where("scenes", i, "nodes");
            if (!roots->isArray())
                return fail(place, "not an array");
            std::vector<bool> listed(list("nodes").size(), false);
            for (const JsonValue& root : roots->items) {
                std::uint64_t index = 0;
                if (!checkIndex(root, "nodes", place, &index))
                    return false;
                if (parent_[index] != -1 || listed[index])
                    return fail(place, "node " + std::to_string(index) + " is not a root or listed twice");
                listed[index] = true;
            }
        }
        return true;
    }

    bool checkPrimitive(const JsonValue& primitive, const std::string& place)
    {
        const JsonValue* attributes = primitive.member("attributes");
        if (!attributes || !attributes->isObject() || !attributes->member("POSITION"))
            return fail(place + ".attributes", "missing, or without POSITION");
        std::uint64_t position = 0;
        if (!requireIndex(*attributes, "POSITION", "accessors", place + ".attributes", &position) ||
            !accessorShaped(position, {"VEC3"}, {Float}, place + ".attributes.POSITION"))
            return false;
        const std::uint64_t vertexCount = accessors_[position].count;
        for (const auto& attribute : attributes->members) {
            const std::string& name = attribute.first;
            const JsonValue& value = attribute.second;
            const std::string attributePlace = place + ".attributes." + name;
            std::uint64_t index = 0;
            if (!checkIndex(value, "accessors", attributePlace, &index))
                return false;
            if (accessors_[index].count != vertexCount)
                return fail(attributePlace, "does not have one value per vertex");
            const auto startsWith = [&](const char* prefix) { return name.rfind(prefix, 0) == 0; };
            bool shaped = true;
            if (name == "NORMAL")
                shaped = accessorShaped(index, {"VEC3"}, {Float}, attributePlace);
            else if (name == "TANGENT")
                shaped = accessorShaped(index, {"VEC4"}, {Float}, attributePlace);
            else if (startsWith("TEXCOORD_"))
                shaped = accessorShaped(index, {"VEC2"}, {Float, UnsignedByte, UnsignedShort}, attributePlace);
            else if (startsWith("COLOR_"))
                shaped = accessorShaped(index, {"VEC3", "VEC4"}, {Float, UnsignedByte, UnsignedShort}, attributePlace);
            else if (startsWith("JOINTS_"))
                shaped = accessorShaped(index, {"VEC4"}, {UnsignedByte, UnsignedShort}, attributePlace);
            else if (startsWith("WEIGHTS_"))
                shaped = accessorShaped(index, {"VEC4"}, {Float, UnsignedByte, UnsignedShort}, attributePlace);
            if (!shaped)
                return false;
            // Joints and weights are read as pairs.
            const bool joints = startsWith("JOINTS_");
            if (joints || startsWith("WEIGHTS_")) {
                const std::string partner = (joints ? "WEIGHTS_" : "JOINTS_") + name.substr(joints ? 7 : 8);
                if (!attributes->member(partner))
                    return fail(attributePlace, "has no matching " + partner);
            }
        }
        std::uint64_t mode = 4, elementCount = vertexCount, indices = 0;
        if (!optionalWholeNumber(primitive, "mode", place, mode) ||
            !optionalIndex(primitive, "material", "materials", place) ||
            !optionalIndex(primitive, "indices", "accessors", place, &indices))
            return false;
        if (primitive.member("indices")) {
            if (!accessorShaped(indices, {"SCALAR"}, {UnsignedByte, UnsignedShort, UnsignedInt},
                                place + ".indices"))
                return false;
            elementCount = accessors_[indices].count;
        }
        const bool countFits = mode == 0 || (mode == 1 && elementCount % 2 == 0) ||
                               ((mode == 2 || mode == 3) && elementCount >= 2) ||
                               (mode == 4 && elementCount % 3 == 0) ||
                               ((mode == 5 || mode == 6) && elementCount >= 3);
        if (mode > 6)
            return fail(place + ".mode", "not a primitive mode");
        if (!countFits)
            return fail(place, "its vertex or index count does not fit its mode");
        if (const JsonValue* targets = primitive.member("targets")) {
            if (!targets->isArray())
                return fail(place + ".targets", "not an array");
            for (std::size_t t = 0; t < targets->items.size(); ++t) {
                const std::string targetPlace = place + ".targets[" + std::to_string(t) + "]";
                if (!targets->items[t].isObject())
                    return fail(targetPlace, "not an object");
                for (const auto& [name, value] : targets->items[t].members) {
                    std::uint64_t index = 0;
                    if (!checkIndex(value, "accessors", targetPlace + "." + name, &index))
                        return false;
                    if (accessors_[index].count != vertexCount)
                        return fail(targetPlace + "." + name, "does not have one value per vertex");
                }
            }
        }
        return true;
    }

    bool checkMeshes()
    {
        const auto& meshes = list("meshes");
        morphTargets_.assign(meshes.size(), 0);
        for (std::size_t i = 0; i < meshes.size(); ++i) {
            const JsonValue* primitives = meshes[i].member("primitives");
            if (!primitives || !primitives->isArray() || primitives->items.empty())
                return fail(where("meshes", i, "primitives"), "missing or empty");
            for (std::size_t p = 0; p < primitives->items.size(); ++p) {
                const JsonValue& primitive = primitives->items[p];
                const std::string place = where("meshes", i, "primitives[" + std::to_string(p) + "]");
                if (!primitive.isObject())
                    return fail(place, "not an object");
                if (!checkPrimitive(primitive, place))
                    return false;
                if (const JsonValue* targets = primitive.member("targets"))
                    morphTargets_[i] = std::max<std::uint64_t>(morphTargets_[i], targets->items.size());
            }
        }
        return true;
    }

    bool checkSkins()
    {
        const auto& skins = list("skins");
        for (std::size_t i = 0; i < skins.size(); ++i) {
            const std::string place = where("skins", i);
            const JsonValue* joints = skins[i].member("joints");
            if (!joints || !joints->isArray() || joints->items.empty())
                return fail(place + ".joints", "missing or empty");
            for (const JsonValue& joint : joints->items) {
                if (!checkIndex(joint, "nodes", place + ".joints"))
                    return false;
            }
            std::uint64_t matrices = 0;
            if (!optionalIndex(skins[i], "skeleton", "nodes", place) ||
                !requireIndex(skins[i], "inverseBindMatrices", "accessors", place, &matrices) ||
                !accessorShaped(matrices, {"MAT4"}, {Float}, place + ".inverseBindMatrices"))
                return false;
            if (accessors_[matrices].count < joints->items.size())
                return fail(place + ".inverseBindMatrices", "fewer matrices than joints");
        }
        return true;
    }

    bool checkAnimationChannel(const JsonValue& channel, const std::vector<JsonValue>& samplers,
                               const std::string& place)
    {
        const JsonValue* samplerIndex = channel.member("sampler");
        const auto sampler = wholeNumber(samplerIndex);
        if (!sampler || *sampler >= samplers.size() || !samplers[*sampler].isObject())
            return fail(place + ".sampler", "not one of the animation's samplers");
        const JsonValue* target = channel.member("target");
        if (!target || !target->isObject())
            return fail(place + ".target", "missing");
        std::uint64_t node = 0;
        if (!requireIndex(*target, "node", "nodes", place + ".target", &node))
            return false;
        const JsonValue* path = target->member("path");
        const std::string pathName = path && path->isString() ? path->text : "";
        const char* outputType = pathName == "translation" || pathName == "scale" ? "VEC3"
                                 : pathName == "rotation"                         ? "VEC4"
                                 : pathName == "weights"                          ? "SCALAR"
                                                                                  : nullptr;
        if (!outputType)
            return fail(place + ".target.path", "not translation, rotation, scale or weights");

        const JsonValue& samplerJson = samplers[*sampler];
        const std::string samplerPlace = place + " (sampler " + std::to_string(*sampler) + ")";
        std::uint64_t input = 0, output = 0;
        if (!requireIndex(samplerJson, "input", "accessors", samplerPlace, &input) ||
            !requireIndex(samplerJson, "output", "accessors", samplerPlace, &output) ||
            !accessorShaped(input, {"SCALAR"}, {Float}, samplerPlace + ".input") ||
            !accessorShaped(output, {outputType}, {Float, Byte, UnsignedByte, Short, UnsignedShort},
                            samplerPlace + ".output"))
            return false;
        const JsonValue* interpolation = samplerJson.member("interpolation");
        const std::string mode = interpolation && interpolation->isString() ? interpolation->text : "LINEAR";
        if (interpolation && mode != "LINEAR" && mode != "STEP" && mode != "CUBICSPLINE")
            return fail(samplerPlace + ".interpolation", "not LINEAR, STEP or CUBICSPLINE");
        std::uint64_t valuesPerKey = mode == "CUBICSPLINE" ? 3 : 1;
        if (pathName == "weights") {
            const JsonValue* mesh = list("nodes")[node].member("mesh");
            const auto meshIndex = wholeNumber(mesh);
            if (!meshIndex)
                return fail(place + ".target", "animates the weights of a node without a mesh");
            valuesPerKey *= std::max<std::uint64_t>(1, morphTargets_[*meshIndex]);
        }
        if (accessors_[output].count < accessors_[input].count * valuesPerKey)
            return fail(samplerPlace + ".output", "fewer values than key times");
        return true;
    }

    bool checkAnimations()
    {
        const auto& animations = list("animations");
        for (std::size_t i = 0; i < animations.size(); ++i) {
            const std::string place = where("animations", i);
            const JsonValue* channels = animations[i].member("channels");
            const JsonValue* samplers = animations[i].member("samplers");
            if (!channels || !channels->isArray() || !samplers || !samplers->isArray())
                return fail(place, "channels or samplers missing");
            for (std::size_t c = 0; c < channels->items.size(); ++c) {
                const std::string channelPlace = place + ".channels[" + std::to_string(c) + "]";
                if (!channels->items[c].isObject())
                    return fail(channelPlace, "not an object");
                if (!checkAnimationChannel(channels->items[c], samplers->items, channelPlace))
                    return false;
            }
        }
        return true;
    }

    const JsonValue& root_;
    std::optional<std::uint64_t> binaryChunkBytes_;
    std::string problem_;
    std::vector<std::uint64_t> bufferBytes_, viewBytes_, viewStride_, morphTargets_;
    std::vector<Accessor> accessors_;
    std::vector<long> parent_;
};

std::uint32_t readLittleEndian32(std::string_view bytes, std::size_t offset)
{
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = value * 256 + static_cast<unsigned char>(bytes[offset + static_cast<std::size_t>(i)]);
    return value;
}

}  // namespace

std::optional<std::string> findUnsafeGltfContent(std::string_view bytes)
{
    std::string_view json = bytes;
    std::optional<std::uint64_t> binaryChunkBytes;
    if (bytes.substr(0, 4) == "glTF") {
        // The binary container: a 12-byte header, then a JSON chunk and
        // perhaps a binary one, each an 8-byte header and 4-byte aligned data.
        if (bytes.size() < 20)
            return std::string("the binary header is cut short");
        const std::uint64_t total = readLittleEndian32(bytes, 8);
        const std::uint64_t jsonBytes = readLittleEndian32(bytes, 12);
        if (readLittleEndian32(bytes, 4) != 2)
            return std::string("only binary glTF version 2 is read");
        if (total > bytes.size() || 20 + jsonBytes > total || readLittleEndian32(bytes, 16) != 0x4E4F534A)
            return std::string("the binary header's lengths do not fit the file");
        json = bytes.substr(20, jsonBytes);
        const std::uint64_t binaryStart = 20 + (jsonBytes + 3) / 4 * 4;
        if (binaryStart + 8 <= total) {
            const std::uint64_t binaryBytes = readLittleEndian32(bytes, binaryStart);
            if (readLittleEndian32(bytes, binaryStart + 4) == 0x004E4942 &&
                binaryStart + 8 + binaryBytes <= total)
                binaryChunkBytes = binaryBytes;
        }
    }
    const JsonParseResult parsed = parseJson(json);
    if (!parsed.value)
        return "not valid JSON (" + parsed.error + ")";
    return GltfChecker(*parsed.value, binaryChunkBytes).run();
}

std::optional<std::string> findUnsafeGltf(const std::string& path)
{
    const std::size_t dot = path.find_last_of('.');
    const std::string extension = dot == std::string::npos ? "" : lowerCase(path.substr(dot));
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
