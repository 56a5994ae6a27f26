// Keyframes of one animated node and the maths that samples them.
//
// Times are in ticks, the animation file's own unit. Everything here is plain
// arithmetic over key vectors, free of OpenGL and Assimp, so the blending rules
// can be checked without a window or a file.
#pragma once

#include <cstddef>
#include <vector>

#include <glm/gtc/quaternion.hpp>
#include <glm/vec3.hpp>

struct PositionKey {
    glm::vec3 position{0.0f};
    float timeStamp = 0.0f;  // ticks
};

struct RotationKey {
    glm::quat orientation{1.0f, 0.0f, 0.0f, 0.0f};  // (w, x, y, z); need not be unit length
    float timeStamp = 0.0f;                         // ticks
};

struct ScaleKey {
    glm::vec3 scale{1.0f};
    float timeStamp = 0.0f;  // ticks
};

// The pair of keys to blend at one time: result = mix(key[index], key[index + 1], factor).
// When `isHeld` is true only key[index] is used (one key, or a time outside the keys).
struct KeySpan {
    std::size_t index = 0;
    float factor = 0.0f;  // 0 <= factor < 1
    bool isHeld = true;
};

// Finds the pair for `time` among `timeStamps` (ticks, in file order, at least one).
// Inside the keys: the first i in 0..n-2 with time < t[i+1], factor (time - t[i]) /
// (t[i+1] - t[i]). A time before the first key holds the first key, a time at or past
// the last key (or NaN) holds the last key, so the factor is never extrapolated.
KeySpan findKeySpan(const std::vector<float>& timeStamps, float time);

// Spherical blend of two rotations: the shorter way round (q2 negated when the
// cosine is negative), a linear blend when they are nearly parallel. Not normalised.
glm::quat slerpRotation(const glm::quat& q1, const glm::quat& q2, float factor);

// Unit quaternion with q's direction; a zero-length (or non-finite) q becomes identity.
glm::quat normalizedOrIdentity(const glm::quat& q);

// Sampled values at `time` (ticks). Clips refuse tracks with an empty kind; should
// one get here anyway it samples as no movement (zero offset, identity, unit scale).
glm::vec3 samplePosition(const std::vector<PositionKey>& keys, float time);
glm::quat sampleRotation(const std::vector<RotationKey>& keys, float time);  // unit length
glm::vec3 sampleScale(const std::vector<ScaleKey>& keys, float time);
