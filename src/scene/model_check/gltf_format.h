// Facts of the glTF 2.0 format that the model checks measure files with:
// component types and sizes, element layouts, data URI payloads and the
// binary container. Internal to the glTF checks; plain values only.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace model_check {

constexpr int Byte = 5120, UnsignedByte = 5121, Short = 5122, UnsignedShort = 5123, UnsignedInt = 5125,
              Float = 5126;

// Bytes of one component of `type` (5120..5126); 0 for an unknown type.
std::uint64_t componentBytes(int type);

// Components of one element ("SCALAR" 1 ... "MAT4" 16); 0 for an unknown type.
std::uint64_t componentCount(const std::string& type);

// Bytes of one element; matrix columns start on 4-byte boundaries.
std::uint64_t elementBytes(const std::string& type, int componentType);

// The decoded length of a data URI's payload, or nullopt when it is damaged.
std::optional<std::uint64_t> dataUriLength(const std::string& uri);

// The parts of a binary glTF file ("glTF" magic, version 2): its JSON text,
// and the length of its binary chunk when it has one.
struct BinaryGltf {
    std::string_view json;
    std::optional<std::uint64_t> binaryChunkBytes;
};

// Splits a binary glTF file; `error` says why when its header does not fit.
std::optional<BinaryGltf> splitBinaryGltf(std::string_view bytes, std::string& error);

}  // namespace model_check
