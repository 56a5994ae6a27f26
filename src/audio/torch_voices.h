// Which torches are heard: only the few nearest the listener get one of the
// TorchVoiceCount looping sources; the other torches are too far to matter. A
// torch that stays among the nearest keeps its source, so its loop plays on
// without restarting. Plain arithmetic, no device.
#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include <glm/vec3.hpp>

constexpr std::size_t TorchVoiceCount = 4;
// A voice that plays no torch (fewer torches than voices).
constexpr int NoTorch = -1;

// Torch index per voice.
using TorchVoices = std::array<int, TorchVoiceCount>;

// Indices of the `count` torches nearest to `listener`, nearest first; equal
// distances go by index. Fewer when there are fewer torches.
std::vector<int> nearestTorches(const std::vector<glm::vec3>& torches, const glm::vec3& listener,
                                std::size_t count);

// The voices for the torches in `wanted`: a torch already on a voice keeps it,
// the others take the voices set free, in voice order.
TorchVoices assignTorchVoices(const TorchVoices& current, const std::vector<int>& wanted);
