// Key search and blending: the rules every animated bone goes through each frame.
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <glm/gtc/quaternion.hpp>

#include "scene/animation/keyframes.h"

namespace {

constexpr float Tolerance = 1e-5f;

struct SpanCase {
    std::string name;
    std::vector<float> times;
    float time;
    std::size_t index;
    float factor;
    bool isHeld;
};

class KeySpanTest : public ::testing::TestWithParam<SpanCase> {};

TEST_P(KeySpanTest, PicksPairAndFactor)
{
    const SpanCase& c = GetParam();
    const KeySpan span = findKeySpan(c.times, c.time);
    EXPECT_EQ(span.index, c.index);
    EXPECT_NEAR(span.factor, c.factor, Tolerance);
    EXPECT_EQ(span.isHeld, c.isHeld);
}

const float NaN = std::numeric_limits<float>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    Keys, KeySpanTest,
    ::testing::Values(SpanCase{"AtFirstKey", {0, 10, 20}, 0.0f, 0, 0.0f, false},
                      SpanCase{"AtInnerKeyStartsThatPair", {0, 10, 20}, 10.0f, 1, 0.0f, false},
                      SpanCase{"Between", {0, 10, 20}, 12.5f, 1, 0.25f, false},
                      SpanCase{"JustBeforeInnerKey", {0, 10, 20}, 9.0f, 0, 0.9f, false},
                      SpanCase{"AtLastKeyHoldsLast", {0, 10, 20}, 20.0f, 2, 0.0f, true},
                      SpanCase{"PastLastKeyHoldsLast", {0, 10, 20}, 35.0f, 2, 0.0f, true},
                      SpanCase{"BeforeFirstKeyHoldsFirst", {5, 10, 20}, 2.0f, 0, 0.0f, true},
                      SpanCase{"NegativeTimeHoldsFirst", {0, 10}, -3.0f, 0, 0.0f, true},
                      SpanCase{"SingleKeyHeldEverywhere", {7}, 100.0f, 0, 0.0f, true},
                      SpanCase{"RepeatedStampSkipsEmptyPair", {0, 10, 10, 20}, 10.0f, 2, 0.0f, false},
                      SpanCase{"NaNTimeHoldsLast", {0, 10, 20}, NaN, 2, 0.0f, true}),
    [](const ::testing::TestParamInfo<SpanCase>& info) { return info.param.name; });

glm::quat axisAngle(float radians, const glm::vec3& axis)
{
    return glm::angleAxis(radians, glm::normalize(axis));
}

// Two quaternions describe the same rotation when they are equal up to sign.
void expectSameRotation(const glm::quat& a, const glm::quat& b)
{
    EXPECT_NEAR(std::fabs(glm::dot(glm::normalize(a), glm::normalize(b))), 1.0f, Tolerance);
}

TEST(Slerp, ToTheNegationGivesTheFirstRotationForEveryFactor)
{
    const glm::quat q = axisAngle(1.1f, {0.3f, 1.0f, -0.2f});
    for (float f = 0.0f; f <= 1.0f; f += 0.125f) {
        const glm::quat result = normalizedOrIdentity(slerpRotation(q, -q, f));
        SCOPED_TRACE(f);
        EXPECT_NEAR(result.w, q.w, Tolerance);
        EXPECT_NEAR(result.x, q.x, Tolerance);
        EXPECT_NEAR(result.y, q.y, Tolerance);
        EXPECT_NEAR(result.z, q.z, Tolerance);
    }
}

TEST(Slerp, HalfwayBetweenTwoAnglesIsTheMeanAngle)
{
    const glm::vec3 axis(0.0f, 1.0f, 0.0f);
    const glm::quat result = slerpRotation(axisAngle(0.2f, axis), axisAngle(1.4f, axis), 0.5f);
    expectSameRotation(result, axisAngle(0.8f, axis));
    EXPECT_NEAR(glm::length(result), 1.0f, Tolerance);
}

TEST(Slerp, TakesTheShortWayWhenTheCosineIsNegative)
{
    const glm::vec3 axis(1.0f, 0.0f, 0.0f);
    const glm::quat start = axisAngle(0.1f, axis);
    const glm::quat end = -axisAngle(0.5f, axis);  // same rotation, opposite hemisphere
    expectSameRotation(slerpRotation(start, end, 0.5f), axisAngle(0.3f, axis));
}

TEST(Slerp, NearlyParallelRotationsAreBlendedLinearly)
{
    // cos > 1 - 2^-23: sin(angle) is unusable, the result is (1 - f) q1 + f q2 as is.
    const glm::quat q1(1.0f, 0.0f, 0.0f, 0.0f);
    const glm::quat q2(1.0f, 0.0f, 0.0f, 2e-4f);
    ASSERT_GT(glm::dot(q1, q2), 1.0f - 1.0f / 8388608.0f);
    const glm::quat result = slerpRotation(q1, q2, 0.25f);
    EXPECT_FLOAT_EQ(result.w, 1.0f);
    EXPECT_FLOAT_EQ(result.z, 0.25f * 2e-4f);
}

TEST(Normalize, ZeroLengthBecomesIdentity)
{
    const glm::quat result = normalizedOrIdentity(glm::quat(0.0f, 0.0f, 0.0f, 0.0f));
    EXPECT_EQ(result, glm::quat(1.0f, 0.0f, 0.0f, 0.0f));
}

TEST(SampleRotation, SingleKeyIsNormalisedAtEveryTime)
{
    const std::vector<RotationKey> keys{{glm::quat(2.0f, 0.0f, 2.0f, 0.0f), 40.0f}};
    const float root = std::sqrt(0.5f);
    for (float time : {-10.0f, 0.0f, 40.0f, 41.5f, 1e6f}) {
        SCOPED_TRACE(time);
        const glm::quat q = sampleRotation(keys, time);
        EXPECT_NEAR(q.w, root, Tolerance);
        EXPECT_NEAR(q.y, root, Tolerance);
        EXPECT_NEAR(q.x, 0.0f, Tolerance);
        EXPECT_NEAR(q.z, 0.0f, Tolerance);
    }
}

TEST(SampleRotation, BlendedResultIsUnitLength)
{
    const std::vector<RotationKey> keys{{glm::quat(3.0f, 0.0f, 0.0f, 0.0f), 0.0f},
                                        {glm::quat(0.0f, 0.0f, 0.0f, 3.0f), 10.0f}};
    EXPECT_NEAR(glm::length(sampleRotation(keys, 3.0f)), 1.0f, Tolerance);
}

TEST(SamplePosition, MixesAndHoldsTheEnds)
{
    const std::vector<PositionKey> keys{{{0.0f, 0.0f, 0.0f}, 0.0f}, {{4.0f, -8.0f, 2.0f}, 8.0f}};
    const glm::vec3 quarter = samplePosition(keys, 2.0f);
    EXPECT_NEAR(quarter.x, 1.0f, Tolerance);
    EXPECT_NEAR(quarter.y, -2.0f, Tolerance);
    EXPECT_NEAR(quarter.z, 0.5f, Tolerance);
    EXPECT_EQ(samplePosition(keys, 8.0f), keys[1].position);
    EXPECT_EQ(samplePosition(keys, 99.0f), keys[1].position);
    EXPECT_EQ(samplePosition(keys, -1.0f), keys[0].position);
}

TEST(SampleScale, AtAKeyUsesThatKeyExactly)
{
    const std::vector<ScaleKey> keys{
        {glm::vec3(1.0f), 0.0f}, {glm::vec3(3.0f), 5.0f}, {glm::vec3(0.5f), 9.0f}};
    EXPECT_EQ(sampleScale(keys, 5.0f), glm::vec3(3.0f));
}

TEST(Sample, EmptyKindsMeanNoMovement)
{
    EXPECT_EQ(samplePosition({}, 3.0f), glm::vec3(0.0f));
    EXPECT_EQ(sampleRotation({}, 3.0f), glm::quat(1.0f, 0.0f, 0.0f, 0.0f));
    EXPECT_EQ(sampleScale({}, 3.0f), glm::vec3(1.0f));
}

}  // namespace
