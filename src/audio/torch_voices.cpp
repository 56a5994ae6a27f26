#include "audio/torch_voices.h"

#include <algorithm>
#include <numeric>

#include <glm/geometric.hpp>

std::vector<int> nearestTorches(const std::vector<glm::vec3>& torches, const glm::vec3& listener,
                                std::size_t count)
{
    std::vector<int> order(torches.size());
    std::iota(order.begin(), order.end(), 0);
    const auto closer = [&](int a, int b) {
        const glm::vec3 toA = torches[static_cast<std::size_t>(a)] - listener;
        const glm::vec3 toB = torches[static_cast<std::size_t>(b)] - listener;
        const float distanceA = glm::dot(toA, toA);
        const float distanceB = glm::dot(toB, toB);
        return distanceA < distanceB || (distanceA == distanceB && a < b);
    };
    const std::size_t kept = std::min(count, order.size());
    std::partial_sort(order.begin(), order.begin() + static_cast<std::ptrdiff_t>(kept), order.end(), closer);
    order.resize(kept);
    return order;
}

TorchVoices assignTorchVoices(const TorchVoices& current, const std::vector<int>& wanted)
{
    const auto isWanted = [&](int torch) {
        return std::find(wanted.begin(), wanted.end(), torch) != wanted.end();
    };
    TorchVoices voices;
    for (std::size_t v = 0; v < TorchVoiceCount; ++v)
        voices[v] = isWanted(current[v]) ? current[v] : NoTorch;
    for (const int torch : wanted) {
        if (std::find(voices.begin(), voices.end(), torch) != voices.end())
            continue;
        const auto freeVoice = std::find(voices.begin(), voices.end(), NoTorch);
        if (freeVoice == voices.end())
            break;
        *freeVoice = torch;
    }
    return voices;
}
