// The byte ranges of a glTF document: buffers, the views into them and the
// accessors that read the views, checked before the importer copies from them.
#include "scene/model_check/gltf_checker.h"

#include "scene/model_check/gltf_format.h"

namespace model_check {

bool GltfChecker::checkBuffers()
{
    const auto& buffers = list("buffers");
    bufferBytes_.assign(buffers.size(), 0);
    for (std::size_t i = 0; i < buffers.size(); ++i) {
        const std::string place = where("buffers", i);
        const auto length = wholeNumber(member(buffers[i], "byteLength"));
        if (!length || *length == 0)
            return fail(place + ".byteLength", "missing or not a positive whole number");
        bufferBytes_[i] = *length;
        const JsonValue* uri = member(buffers[i], "uri");
        if (!uri) {
            // Only the first buffer of a binary file may live in its binary chunk.
            if (i != 0 || !binaryChunkBytes_ || *binaryChunkBytes_ < *length)
                return fail(place, "no uri and no binary chunk large enough to hold it");
            continue;
        }
        if (!uri->IsString())
            return fail(place + ".uri", "not a string");
        if (text(*uri).rfind("data:", 0) == 0) {
            const auto decoded = dataUriLength(text(*uri));
            if (!decoded || *decoded < *length)
                return fail(place + ".uri", "damaged or shorter than byteLength");
        }
    }
    return true;
}

bool GltfChecker::checkBufferViews()
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
        const auto length = wholeNumber(member(views[i], "byteLength"));
        if (!length || *length == 0)
            return fail(place + ".byteLength", "missing or not a positive whole number");
        if (offset + *length > bufferBytes_[buffer])
            return fail(place, "reaches past the end of its buffer");
        if (member(views[i], "byteStride") && (stride < 4 || stride > 252 || stride % 4 != 0))
            return fail(place + ".byteStride", "not a multiple of 4 from 4 to 252");
        viewBytes_[i] = *length;
        viewStride_[i] = stride;
    }
    return true;
}

// `count` elements of `elementSize` bytes from `offset` in view `view`.
bool GltfChecker::fitsInView(std::uint64_t view, std::uint64_t offset, std::uint64_t count,
                             std::uint64_t elementSize, std::uint64_t stride, const std::string& place)
{
    if (stride != 0 && stride < elementSize)
        return fail(place, "the view's byteStride is smaller than one element");
    const std::uint64_t step = stride != 0 ? stride : elementSize;
    if (offset + step * (count - 1) + elementSize > viewBytes_[view])
        return fail(place, "reaches past the end of its buffer view");
    return true;
}

bool GltfChecker::checkSparse(const JsonValue& sparse, const Accessor& accessor, std::uint64_t elementSize,
                              const std::string& place)
{
    const auto count = wholeNumber(member(sparse, "count"));
    if (!count || *count == 0 || *count > accessor.count)
        return fail(place + ".count", "not from 1 to the accessor's count");
    for (const char* part : {"indices", "values"}) {
        const JsonValue* block = member(sparse, part);
        const std::string blockPlace = place + "." + part;
        if (!block || !block->IsObject())
            return fail(blockPlace, "missing");
        std::uint64_t view = 0, offset = 0;
        if (!requireIndex(*block, "bufferView", "bufferViews", blockPlace, &view) ||
            !optionalWholeNumber(*block, "byteOffset", blockPlace, offset))
            return false;
        std::uint64_t size = elementSize;
        if (std::string(part) == "indices") {
            const JsonValue* type = member(*block, "componentType");
            const int componentType = type && type->IsNumber() ? static_cast<int>(number(*type)) : 0;
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

// An accessor without a buffer view holds zeros (which its sparse part may
// patch). The importer reads one that has a sparse part into a zero-filled
// array of its full size, and that size is only a count in the file, not
// data it holds: a few hundred bytes have the importer allocate and clear
// gigabytes (fuzz/regressions/model_gltf_fuzz/zero_filled_accessor_of_48_gigabytes.gltf
// asks for 48 GB, past the fuzzer's allocation limit). One without a sparse
// part the importer refuses with its own message.
bool GltfChecker::checkZeroFilled(const JsonValue& json, std::uint64_t bytes, const std::string& place)
{
    if (member(json, "byteOffset"))
        return fail(place + ".byteOffset", "given without a bufferView");
    zeroFilledBytes_ += bytes;
    if (zeroFilledBytes_ > MaxZeroFilledBytes)
        return fail(place, "accessors without a bufferView add up to more than " +
                               std::to_string(MaxZeroFilledBytes >> 20) + " MiB of zeros");
    return true;
}

bool GltfChecker::checkAccessors()
{
    const auto& accessors = list("accessors");
    accessors_.assign(accessors.size(), {});
    for (std::size_t i = 0; i < accessors.size(); ++i) {
        const JsonValue& json = accessors[i];
        const std::string place = where("accessors", i);
        Accessor& accessor = accessors_[i];
        const JsonValue* type = member(json, "type");
        const JsonValue* componentType = member(json, "componentType");
        const auto count = wholeNumber(member(json, "count"));
        if (!type || !type->IsString() || componentCount(text(*type)) == 0)
            return fail(place + ".type", "missing or unknown");
        if (!componentType || !componentType->IsNumber() || !isWrittenWhole(*componentType) ||
            componentBytes(static_cast<int>(number(*componentType))) == 0 ||
            number(*componentType) != static_cast<int>(number(*componentType)))
            return fail(place + ".componentType", "missing or unknown");
        if (!count || *count == 0 || *count > 0xFFFFFFFFull)
            return fail(place + ".count", "missing or out of range");
        accessor = {*count, text(*type), static_cast<int>(number(*componentType))};
        const std::uint64_t elementSize = elementBytes(accessor.type, accessor.componentType);
        for (const char* bound : {"min", "max"}) {
            if (!numberArray(json, bound, componentCount(accessor.type), place))
                return false;
        }
        if (member(json, "bufferView")) {
            std::uint64_t view = 0, offset = 0;
            if (!checkIndex(*member(json, "bufferView"), "bufferViews", place + ".bufferView", &view) ||
                !optionalWholeNumber(json, "byteOffset", place, offset) ||
                !fitsInView(view, offset, accessor.count, elementSize, viewStride_[view], place))
                return false;
        } else if (!checkZeroFilled(json, accessor.count * elementSize, place)) {
            return false;
        }
        if (const JsonValue* sparse = member(json, "sparse")) {
            if (!sparse->IsObject())
                return fail(place + ".sparse", "not an object");
            if (!checkSparse(*sparse, accessor, elementSize, place + ".sparse"))
                return false;
        }
    }
    return true;
}

}  // namespace model_check
