// Base64 (RFC 4648, with padding) for the data: URIs of the glTF files tests write.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

std::string encodeBase64(const std::string& bytes);
std::string encodeBase64(const std::vector<std::uint8_t>& bytes);
