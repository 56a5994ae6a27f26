// Accumulates a glTF binary buffer with its buffer views and accessors, one view
// per accessor, every view 4-byte aligned. JSON text comes out deterministically.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class GltfBuffer {
public:
    // Float accessor of `type` ("SCALAR", "VEC2", "VEC3", "VEC4", "MAT4"); withBounds adds min/max.
    int addFloats(const std::vector<float>& values, const std::string& type, bool withBounds);
    int addJoints(const std::vector<uint16_t>& values);   // VEC4 of unsigned shorts
    int addIndices(const std::vector<uint32_t>& values);  // SCALAR unsigned ints

    std::string accessorsJson() const;
    std::string bufferViewsJson() const;
    std::string buffersJson(const std::string& uri) const;
    const std::vector<uint8_t>& bytes() const { return data; }

private:
    int addView(const void* source, size_t byteCount, int target);

    std::vector<uint8_t> data;
    std::vector<std::string> views, accessors;
};

std::string jsonNumber(double value);
