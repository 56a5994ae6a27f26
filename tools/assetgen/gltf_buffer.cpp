#include "gltf_buffer.h"

#include "obj_writer.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace {

constexpr int ComponentFloat = 5126, ComponentUnsignedShort = 5123, ComponentUnsignedInt = 5125;
constexpr int TargetVertices = 34962, TargetIndices = 34963, NoTarget = 0;
constexpr int JsonDecimals = 6;

int componentsOf(const std::string& type)
{
    if (type == "SCALAR")
        return 1;
    if (type == "VEC2")
        return 2;
    if (type == "VEC3")
        return 3;
    if (type == "VEC4")
        return 4;
    return 16;
}

std::string numberList(const std::vector<double>& values)
{
    std::string out = "[";
    for (size_t k = 0; k < values.size(); ++k)
        out += (k ? ", " : "") + jsonNumber(values[k]);
    return out + "]";
}

std::string joinObjects(const std::vector<std::string>& objects)
{
    std::string out = "[\n";
    for (size_t k = 0; k < objects.size(); ++k)
        out += "    " + objects[k] + (k + 1 < objects.size() ? ",\n" : "\n");
    return out + "  ]";
}

}  // namespace

std::string jsonNumber(double value)
{
    return formatNumber(value, JsonDecimals);
}

int GltfBuffer::addView(const void* source, size_t byteCount, int target)
{
    const size_t offset = data.size();
    data.resize(offset + byteCount);
    std::memcpy(data.data() + offset, source, byteCount);
    data.resize((data.size() + 3) / 4 * 4, 0);
    std::string view = "{\"buffer\": 0, \"byteOffset\": " + std::to_string(offset) +
                       ", \"byteLength\": " + std::to_string(byteCount);
    if (target != NoTarget)
        view += ", \"target\": " + std::to_string(target);
    views.push_back(view + "}");
    return static_cast<int>(views.size()) - 1;
}

int GltfBuffer::addFloats(const std::vector<float>& values, const std::string& type, bool withBounds)
{
    const int components = componentsOf(type);
    const bool vertexData = type != "SCALAR" && type != "MAT4" && withBounds;
    const int view =
        addView(values.data(), values.size() * sizeof(float), vertexData ? TargetVertices : NoTarget);
    std::string a = "{\"bufferView\": " + std::to_string(view) +
                    ", \"componentType\": " + std::to_string(ComponentFloat) +
                    ", \"count\": " + std::to_string(values.size() / components) + ", \"type\": \"" + type +
                    "\"";
    if (withBounds) {
        std::vector<double> lo(components, std::numeric_limits<double>::max()), hi(components, -lo[0]);
        for (size_t k = 0; k < values.size(); ++k) {
            lo[k % components] = std::min<double>(lo[k % components], values[k]);
            hi[k % components] = std::max<double>(hi[k % components], values[k]);
        }
        a += ", \"min\": " + numberList(lo) + ", \"max\": " + numberList(hi);
    }
    accessors.push_back(a + "}");
    return static_cast<int>(accessors.size()) - 1;
}

int GltfBuffer::addJoints(const std::vector<uint16_t>& values)
{
    const int view = addView(values.data(), values.size() * sizeof(uint16_t), TargetVertices);
    accessors.push_back("{\"bufferView\": " + std::to_string(view) +
                        ", \"componentType\": " + std::to_string(ComponentUnsignedShort) +
                        ", \"count\": " + std::to_string(values.size() / 4) + ", \"type\": \"VEC4\"}");
    return static_cast<int>(accessors.size()) - 1;
}

int GltfBuffer::addIndices(const std::vector<uint32_t>& values)
{
    const int view = addView(values.data(), values.size() * sizeof(uint32_t), TargetIndices);
    accessors.push_back("{\"bufferView\": " + std::to_string(view) +
                        ", \"componentType\": " + std::to_string(ComponentUnsignedInt) +
                        ", \"count\": " + std::to_string(values.size()) + ", \"type\": \"SCALAR\"}");
    return static_cast<int>(accessors.size()) - 1;
}

std::string GltfBuffer::accessorsJson() const
{
    return joinObjects(accessors);
}
std::string GltfBuffer::bufferViewsJson() const
{
    return joinObjects(views);
}

std::string GltfBuffer::buffersJson(const std::string& uri) const
{
    return "[\n    {\"uri\": \"" + uri + "\", \"byteLength\": " + std::to_string(data.size()) + "}\n  ]";
}
