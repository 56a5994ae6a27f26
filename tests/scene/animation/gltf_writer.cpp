#include "gltf_writer.h"

#include "support/base64.h"
#include "support/test_files.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <sstream>

namespace {

void appendFloats(std::vector<std::uint8_t>& bytes, const std::vector<float>& values)
{
    const std::size_t start = bytes.size();
    bytes.resize(start + values.size() * sizeof(float));
    std::memcpy(bytes.data() + start, values.data(), values.size() * sizeof(float));
}

std::string nodeJson(const GltfNode& node)
{
    std::ostringstream out;
    out << "{\"name\":\"" << node.name << "\",\"translation\":[" << node.translation.x << ","
        << node.translation.y << "," << node.translation.z << "],\"rotation\":[" << node.rotation.x << ","
        << node.rotation.y << "," << node.rotation.z << "," << node.rotation.w << "],\"scale\":["
        << node.scale.x << "," << node.scale.y << "," << node.scale.z << "]";
    if (!node.children.empty()) {
        out << ",\"children\":[";
        for (std::size_t i = 0; i < node.children.size(); ++i)
            out << (i ? "," : "") << node.children[i];
        out << "]";
    }
    out << "}";
    return out.str();
}

// Appends the accessor pair (times, values) of one channel and returns their JSON.
std::string channelAccessors(const GltfChannel& channel, std::vector<std::uint8_t>& bytes, std::string& views,
                             int viewIndex)
{
    const std::size_t width = channel.path == "rotation" ? 4 : 3;
    const std::size_t keys = channel.times.size();
    float minTime = keys ? channel.times.front() : 0.0f;
    float maxTime = minTime;
    for (float t : channel.times) {
        minTime = std::min(minTime, t);
        maxTime = std::max(maxTime, t);
    }
    std::ostringstream view;
    view << (viewIndex ? "," : "") << "{\"buffer\":0,\"byteOffset\":" << bytes.size()
         << ",\"byteLength\":" << keys * 4 << "}";
    appendFloats(bytes, channel.times);
    view << ",{\"buffer\":0,\"byteOffset\":" << bytes.size() << ",\"byteLength\":" << keys * width * 4 << "}";
    appendFloats(bytes, channel.values);
    views += view.str();

    std::ostringstream accessors;
    accessors << (viewIndex ? "," : "") << "{\"bufferView\":" << viewIndex
              << ",\"componentType\":5126,\"count\":" << keys << ",\"type\":\"SCALAR\",\"min\":[" << minTime
              << "],\"max\":[" << maxTime << "]},{\"bufferView\":" << viewIndex + 1
              << ",\"componentType\":5126,\"count\":" << keys << ",\"type\":\""
              << (width == 4 ? "VEC4" : "VEC3") << "\"}";
    return accessors.str();
}

std::string animationJson(const GltfFile& file, std::string& buffers, std::string& views,
                          std::string& accessors)
{
    std::vector<std::uint8_t> bytes;
    std::ostringstream samplers;
    std::ostringstream channels;
    for (std::size_t i = 0; i < file.channels.size(); ++i) {
        const int view = static_cast<int>(2 * i);
        accessors += channelAccessors(file.channels[i], bytes, views, view);
        samplers << (i ? "," : "") << "{\"input\":" << view << ",\"output\":" << view + 1
                 << ",\"interpolation\":\"LINEAR\"}";
        channels << (i ? "," : "") << "{\"sampler\":" << i
                 << ",\"target\":{\"node\":" << file.channels[i].node << ",\"path\":\""
                 << file.channels[i].path << "\"}}";
    }
    buffers = "{\"byteLength\":" + std::to_string(bytes.size()) +
              ",\"uri\":\"data:application/octet-stream;base64," + encodeBase64(bytes) + "\"}";
    return "{\"name\":\"Clip\",\"samplers\":[" + samplers.str() + "],\"channels\":[" + channels.str() + "]}";
}

}  // namespace

void writeGltf(const GltfFile& file, const std::string& path)
{
    std::ostringstream json;
    json << "{\"asset\":{\"version\":\"2.0\"},\"scene\":0,\"scenes\":[{\"nodes\":[0]}],\"nodes\":[";
    for (std::size_t i = 0; i < file.nodes.size(); ++i)
        json << (i ? "," : "") << nodeJson(file.nodes[i]);
    json << "]";
    if (!file.channels.empty()) {
        std::string buffers, views, accessors;
        const std::string animation = animationJson(file, buffers, views, accessors);
        json << ",\"animations\":[" << animation << "],\"buffers\":[" << buffers << "],\"bufferViews\":["
             << views << "],\"accessors\":[" << accessors << "]";
    }
    json << "}";
    writeWholeFile(path, json.str());
}
