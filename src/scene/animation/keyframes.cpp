#include "scene/animation/keyframes.h"

#include <cmath>

namespace {

// Above this cosine the two rotations are treated as parallel and blended
// linearly, because sin(angle) would be too small to divide by (1 - 2^-23).
constexpr float ParallelCosine = 1.0f - 1.0f / 8388608.0f;

// Same search as findKeySpan, without building a vector of times each frame.
template <typename Key>
KeySpan findSpan(const std::vector<Key>& keys, float time)
{
    KeySpan span;
    const std::size_t count = keys.size();
    if (count < 2 || time < keys.front().timeStamp)
        return span;
    for (std::size_t i = 0; i + 1 < count; ++i) {
        if (time < keys[i + 1].timeStamp) {
            // time >= t[i] here, so the interval is never empty or reversed.
            const float width = keys[i + 1].timeStamp - keys[i].timeStamp;
            span.index = i;
            span.factor = (time - keys[i].timeStamp) / width;
            span.isHeld = false;
            return span;
        }
    }
    span.index = count - 1;
    return span;
}

glm::vec3 mixVectors(const glm::vec3& a, const glm::vec3& b, float factor)
{
    return (1.0f - factor) * a + factor * b;
}

}  // namespace

KeySpan findKeySpan(const std::vector<float>& timeStamps, float time)
{
    struct TimeOnly {
        float timeStamp;
    };
    std::vector<TimeOnly> keys;
    keys.reserve(timeStamps.size());
    for (float stamp : timeStamps)
        keys.push_back({stamp});
    return findSpan(keys, time);
}

glm::quat slerpRotation(const glm::quat& q1, const glm::quat& q2, float factor)
{
    glm::quat end = q2;
    float cosine = glm::dot(q1, q2);
    if (cosine < 0.0f) {
        end = -q2;
        cosine = -cosine;
    }
    if (cosine > ParallelCosine)
        return (1.0f - factor) * q1 + factor * end;
    const float angle = std::acos(cosine);
    return (std::sin((1.0f - factor) * angle) * q1 + std::sin(factor * angle) * end) / std::sin(angle);
}

glm::quat normalizedOrIdentity(const glm::quat& q)
{
    const float length = std::sqrt(glm::dot(q, q));
    if (!(length > 0.0f) || !std::isfinite(length))
        return glm::quat(1.0f, 0.0f, 0.0f, 0.0f);
    return q / length;
}

glm::vec3 samplePosition(const std::vector<PositionKey>& keys, float time)
{
    if (keys.empty())
        return glm::vec3(0.0f);
    const KeySpan span = findSpan(keys, time);
    if (span.isHeld)
        return keys[span.index].position;
    return mixVectors(keys[span.index].position, keys[span.index + 1].position, span.factor);
}

glm::quat sampleRotation(const std::vector<RotationKey>& keys, float time)
{
    if (keys.empty())
        return glm::quat(1.0f, 0.0f, 0.0f, 0.0f);
    const KeySpan span = findSpan(keys, time);
    if (span.isHeld)
        return normalizedOrIdentity(keys[span.index].orientation);
    return normalizedOrIdentity(
        slerpRotation(keys[span.index].orientation, keys[span.index + 1].orientation, span.factor));
}

glm::vec3 sampleScale(const std::vector<ScaleKey>& keys, float time)
{
    if (keys.empty())
        return glm::vec3(1.0f);
    const KeySpan span = findSpan(keys, time);
    if (span.isHeld)
        return keys[span.index].scale;
    return mixVectors(keys[span.index].scale, keys[span.index + 1].scale, span.factor);
}
