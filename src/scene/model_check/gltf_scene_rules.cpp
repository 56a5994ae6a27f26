// What a glTF document's buffers describe: images, textures, materials,
// cameras, the node trees, meshes, skins and animations, each reference
// checked before the importer follows it.
#include "scene/model_check/gltf_checker.h"

#include <algorithm>

#include "scene/model_check/gltf_format.h"

namespace model_check {

// Every "...Texture" object of a material, at any depth, and in the
// Khronos extensions, whose texture references all follow that naming.
// What "extras" and other makers' extensions hold is theirs to define, and
// the importer does not follow it.
bool GltfChecker::checkTextureReferences(const JsonValue& value, const std::string& place, bool isExtensions)
{
    for (const auto& entry : members(value)) {
        const std::string key = text(entry.name);
        const JsonValue& object = entry.value;
        const std::string memberPlace = place + "." + key;
        if (!object.IsObject() || key == "extras" || (isExtensions && key.rfind("KHR_", 0) != 0))
            continue;
        const bool isTextureInfo = key.size() >= 7 && key.compare(key.size() - 7, 7, "Texture") == 0;
        std::uint64_t unused = 0;
        if (isTextureInfo && (!requireIndex(object, "index", "textures", memberPlace) ||
                              !optionalWholeNumber(object, "texCoord", memberPlace, unused)))
            return false;
        if (!checkTextureReferences(object, memberPlace, key == "extensions"))
            return false;
    }
    return true;
}

bool GltfChecker::checkImagesTexturesMaterials()
{
    const auto& images = list("images");
    for (std::size_t i = 0; i < images.size(); ++i) {
        const std::string place = where("images", i);
        if (!optionalString(images[i], "uri", place) || !optionalString(images[i], "mimeType", place) ||
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
        if (const JsonValue* pbr = member(materials[i], "pbrMetallicRoughness")) {
            if (!pbr->IsObject())
                return fail(place + ".pbrMetallicRoughness", "not an object");
            if (!numberArray(*pbr, "baseColorFactor", 4, place + ".pbrMetallicRoughness"))
                return false;
        }
    }
    return true;
}

bool GltfChecker::checkCameras()
{
    const auto& cameras = list("cameras");
    for (std::size_t i = 0; i < cameras.size(); ++i) {
        const JsonValue* type = member(cameras[i], "type");
        if (!type || !type->IsString() || (text(*type) != "perspective" && text(*type) != "orthographic"))
            return fail(where("cameras", i, "type"), "not \"perspective\" or \"orthographic\"");
        const JsonValue* projection = member(cameras[i], text(*type));
        if (!projection || !projection->IsObject())
            return fail(where("cameras", i, text(*type)), "missing");
    }
    return true;
}

namespace {

// Whether `value` holds more than `levels` levels of arrays and objects (a
// plain value holds none). It looks no deeper than that, so its recursion
// stays as shallow as the limit it checks.
bool isNestedDeeperThan(const JsonValue& value, int levels)
{
    if (!value.IsArray() && !value.IsObject())
        return false;
    if (levels == 0)
        return true;
    for (const JsonValue& item : items(value)) {
        if (isNestedDeeperThan(item, levels - 1))
            return true;
    }
    for (const auto& entry : members(value)) {
        if (isNestedDeeperThan(entry.value, levels - 1))
            return true;
    }
    return false;
}

}  // namespace

// The format leaves "extras" and extensions free, but the importer reads the
// objects nested in those of a node or a scene in time that doubles with each
// level: 28 levels take minutes
// (fuzz/regressions/model_gltf_fuzz/node_extras_nested_28_deep.gltf,
// scene_extension_nested_28_deep.gltf).
bool GltfChecker::checkFreeNesting(const JsonValue& owner, const std::string& place)
{
    for (const char* key : {"extras", "extensions"}) {
        const JsonValue* value = member(owner, key);
        if (value && isNestedDeeperThan(*value, MaxFreeNestingDepth))
            return fail(place + "." + key,
                        "nested more than " + std::to_string(MaxFreeNestingDepth) + " levels deep");
    }
    return true;
}

// Nodes form trees: no node has two parents or is its own ancestor.
bool GltfChecker::checkNodes()
{
    const auto& nodes = list("nodes");
    const JsonValue* lights = nullptr;
    if (const JsonValue* extensions = member(root_, "extensions"))
        if (const JsonValue* punctual = member(*extensions, "KHR_lights_punctual"))
            lights = member(*punctual, "lights");
    parent_.assign(nodes.size(), -1);
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        const JsonValue& node = nodes[i];
        const std::string place = where("nodes", i);
        if (!optionalIndex(node, "mesh", "meshes", place) || !optionalIndex(node, "skin", "skins", place) ||
            !optionalIndex(node, "camera", "cameras", place) || !numberArray(node, "matrix", 16, place) ||
            !numberArray(node, "translation", 3, place) || !numberArray(node, "rotation", 4, place) ||
            !numberArray(node, "scale", 3, place))
            return false;
        if (member(node, "skin") && !member(node, "mesh"))
            return fail(place, "has a skin but no mesh");
        if (!checkFreeNesting(node, place))
            return false;
        if (const JsonValue* extensions = member(node, "extensions"))
            if (const JsonValue* punctual = member(*extensions, "KHR_lights_punctual"))
                if (const JsonValue* light = member(*punctual, "light")) {
                    const auto index = wholeNumber(light);
                    if (!index || !lights || !lights->IsArray() || *index >= items(*lights).size())
                        return fail(place + ".extensions.KHR_lights_punctual.light", "no such light");
                }
        const JsonValue* children = member(node, "children");
        if (!children)
            continue;
        if (!children->IsArray())
            return fail(place + ".children", "not an array");
        for (const JsonValue& child : items(*children)) {
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

bool GltfChecker::checkScenes()
{
    const auto& scenes = list("scenes");
    if (!optionalIndex(root_, "scene", "scenes", "the file"))
        return false;
    for (std::size_t i = 0; i < scenes.size(); ++i) {
        if (!checkFreeNesting(scenes[i], where("scenes", i)))
            return false;
        const JsonValue* roots = member(scenes[i], "nodes");
        if (!roots)
            continue;
        const std::string place = where("scenes", i, "nodes");
        if (!roots->IsArray())
            return fail(place, "not an array");
        std::vector<bool> listed(list("nodes").size(), false);
        for (const JsonValue& root : items(*roots)) {
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

bool GltfChecker::checkPrimitive(const JsonValue& primitive, const std::string& place)
{
    // Positions may be left out (the primitive is then not drawn); the
    // importer refuses such a mesh with its own message.
    const JsonValue* attributes = member(primitive, "attributes");
    if (!attributes || !attributes->IsObject() || members(*attributes).empty())
        return fail(place + ".attributes", "missing or empty");
    std::uint64_t first = 0;
    const auto firstAttribute = members(*attributes).begin();
    if (!checkIndex(firstAttribute->value, "accessors", place + ".attributes." + text(firstAttribute->name),
                    &first))
        return false;
    const std::uint64_t vertexCount = accessors_[first].count;
    for (const auto& attribute : members(*attributes)) {
        const std::string name = text(attribute.name);
        const JsonValue& value = attribute.value;
        const std::string attributePlace = place + ".attributes." + name;
        std::uint64_t index = 0;
        if (!checkIndex(value, "accessors", attributePlace, &index))
            return false;
        if (accessors_[index].count != vertexCount)
            return fail(attributePlace, "does not have one value per vertex");
        const auto startsWith = [&](const char* prefix) { return name.rfind(prefix, 0) == 0; };
        // Normalised integers are allowed where the format allows them.
        const std::initializer_list<int> floatOrNormalised = {Float, UnsignedByte, UnsignedShort};
        bool shaped = true;
        if (name == "POSITION" || name == "NORMAL")
            shaped = accessorShaped(index, {"VEC3"}, {Float}, attributePlace);
        else if (name == "TANGENT")
            shaped = accessorShaped(index, {"VEC4"}, {Float}, attributePlace);
        else if (startsWith("TEXCOORD_"))
            shaped = accessorShaped(index, {"VEC2"}, floatOrNormalised, attributePlace);
        else if (startsWith("COLOR_"))
            shaped = accessorShaped(index, {"VEC3", "VEC4"}, floatOrNormalised, attributePlace);
        else if (startsWith("JOINTS_"))
            shaped = accessorShaped(index, {"VEC4"}, {UnsignedByte, UnsignedShort}, attributePlace);
        else if (startsWith("WEIGHTS_"))
            shaped = accessorShaped(index, {"VEC4"}, floatOrNormalised, attributePlace);
        if (!shaped)
            return false;
        // Joints and weights are read as pairs.
        const bool joints = startsWith("JOINTS_");
        if (joints || startsWith("WEIGHTS_")) {
            const std::string partner = (joints ? "WEIGHTS_" : "JOINTS_") + name.substr(joints ? 7 : 8);
            if (!member(*attributes, partner))
                return fail(attributePlace, "has no matching " + partner);
        }
    }
    std::uint64_t mode = 4, elementCount = vertexCount, indices = 0;
    if (!optionalWholeNumber(primitive, "mode", place, mode) ||
        !optionalIndex(primitive, "material", "materials", place) ||
        !optionalIndex(primitive, "indices", "accessors", place, &indices))
        return false;
    if (member(primitive, "indices")) {
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
    if (const JsonValue* targets = member(primitive, "targets")) {
        if (!targets->IsArray())
            return fail(place + ".targets", "not an array");
        for (std::size_t t = 0; t < items(*targets).size(); ++t) {
            const std::string targetPlace = place + ".targets[" + std::to_string(t) + "]";
            if (!items(*targets)[t].IsObject())
                return fail(targetPlace, "not an object");
            for (const auto& target : members(items(*targets)[t])) {
                const std::string name = text(target.name);
                std::uint64_t index = 0;
                if (!checkIndex(target.value, "accessors", targetPlace + "." + name, &index))
                    return false;
                if (accessors_[index].count != vertexCount)
                    return fail(targetPlace + "." + name, "does not have one value per vertex");
            }
        }
    }
    return true;
}

bool GltfChecker::checkMeshes()
{
    const auto& meshes = list("meshes");
    morphTargets_.assign(meshes.size(), 0);
    for (std::size_t i = 0; i < meshes.size(); ++i) {
        const JsonValue* primitives = member(meshes[i], "primitives");
        if (!primitives || !primitives->IsArray() || items(*primitives).empty())
            return fail(where("meshes", i, "primitives"), "missing or empty");
        for (std::size_t p = 0; p < items(*primitives).size(); ++p) {
            const JsonValue& primitive = items(*primitives)[p];
            const std::string place = where("meshes", i, "primitives[" + std::to_string(p) + "]");
            if (!primitive.IsObject())
                return fail(place, "not an object");
            if (!checkPrimitive(primitive, place))
                return false;
            if (const JsonValue* targets = member(primitive, "targets"))
                morphTargets_[i] = std::max<std::uint64_t>(morphTargets_[i], items(*targets).size());
        }
    }
    return true;
}

bool GltfChecker::checkSkins()
{
    const auto& skins = list("skins");
    for (std::size_t i = 0; i < skins.size(); ++i) {
        const std::string place = where("skins", i);
        const JsonValue* joints = member(skins[i], "joints");
        if (!joints || !joints->IsArray() || items(*joints).empty())
            return fail(place + ".joints", "missing or empty");
        for (const JsonValue& joint : items(*joints)) {
            if (!checkIndex(joint, "nodes", place + ".joints"))
                return false;
        }
        // The format makes inverse bind matrices optional (identity when
        // left out), but the importer dereferences the missing accessor:
        // fuzz/regressions/model_gltf_fuzz/skin_without_inverse_bind_matrices.gltf
        // and the otherwise sound skin_whose_matrices_are_left_out.gltf beside it.
        std::uint64_t matrices = 0;
        if (!optionalIndex(skins[i], "skeleton", "nodes", place) ||
            !requireIndex(skins[i], "inverseBindMatrices", "accessors", place, &matrices) ||
            !accessorShaped(matrices, {"MAT4"}, {Float}, place + ".inverseBindMatrices"))
            return false;
        if (accessors_[matrices].count < items(*joints).size())
            return fail(place + ".inverseBindMatrices", "fewer matrices than joints");
    }
    return true;
}

bool GltfChecker::checkAnimationChannel(const JsonValue& channel, JsonItems samplers,
                                        const std::string& place)
{
    const JsonValue* samplerIndex = member(channel, "sampler");
    const auto sampler = wholeNumber(samplerIndex);
    if (!sampler || *sampler >= samplers.size() || !samplers[*sampler].IsObject())
        return fail(place + ".sampler", "not one of the animation's samplers");
    const JsonValue* target = member(channel, "target");
    if (!target || !target->IsObject())
        return fail(place + ".target", "missing");
    // The format lets a channel leave its node out (it is then ignored), but
    // the importer binds such a channel to another node and animates that.
    std::uint64_t node = 0;
    if (!requireIndex(*target, "node", "nodes", place + ".target", &node))
        return false;
    const JsonValue* path = member(*target, "path");
    const std::string pathName = path && path->IsString() ? text(*path) : "";
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
    // Names other than LINEAR, STEP and CUBICSPLINE are left to extensions;
    // the importer interpolates those linearly, one value per key.
    const JsonValue* interpolation = member(samplerJson, "interpolation");
    if (interpolation && !interpolation->IsString())
        return fail(samplerPlace + ".interpolation", "not a string");
    std::uint64_t valuesPerKey = interpolation && text(*interpolation) == "CUBICSPLINE" ? 3 : 1;
    if (pathName == "weights") {
        const JsonValue* mesh = member(list("nodes")[node], "mesh");
        const auto meshIndex = wholeNumber(mesh);
        if (!meshIndex)
            return fail(place + ".target", "animates the weights of a node without a mesh");
        valuesPerKey *= std::max<std::uint64_t>(1, morphTargets_[*meshIndex]);
    }
    if (accessors_[output].count < accessors_[input].count * valuesPerKey)
        return fail(samplerPlace + ".output", "fewer values than key times");
    return true;
}

bool GltfChecker::checkAnimations()
{
    const auto& animations = list("animations");
    for (std::size_t i = 0; i < animations.size(); ++i) {
        const std::string place = where("animations", i);
        const JsonValue* channels = member(animations[i], "channels");
        const JsonValue* samplers = member(animations[i], "samplers");
        if (!channels || !channels->IsArray() || !samplers || !samplers->IsArray())
            return fail(place, "channels or samplers missing");
        for (std::size_t c = 0; c < items(*channels).size(); ++c) {
            const std::string channelPlace = place + ".channels[" + std::to_string(c) + "]";
            if (!items(*channels)[c].IsObject())
                return fail(channelPlace, "not an object");
            if (!checkAnimationChannel(items(*channels)[c], items(*samplers), channelPlace))
                return false;
        }
    }
    return true;
}

}  // namespace model_check
