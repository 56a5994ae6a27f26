#include <gtest/gtest.h>

#include <cmath>

#include "physics/capsule_geometry.h"

namespace {

struct ClosestCase {
    const char* name;
    glm::dvec3 point;
    glm::dvec3 expected;
};

// Triangle (0,0,0) (2,0,0) (0,0,2) in the y = 0 plane.
TEST(CapsuleGeometry, ClosestPointOnTriangleCoversEveryRegion)
{
    const glm::dvec3 a(0, 0, 0), b(2, 0, 0), c(0, 0, 2);
    const ClosestCase cases[] = {
        {"above the face", {0.5, 3.0, 0.5}, {0.5, 0.0, 0.5}},
        {"beyond corner a", {-1.0, 1.0, -1.0}, a},
        {"beyond corner b", {3.0, -1.0, -0.5}, b},
        {"beyond corner c", {-0.5, 0.0, 3.0}, c},
        {"beyond edge ab", {1.0, 0.5, -2.0}, {1.0, 0.0, 0.0}},
        {"beyond edge ca", {-2.0, 0.0, 1.0}, {0.0, 0.0, 1.0}},
        {"beyond edge bc", {2.0, 0.0, 2.0}, {1.0, 0.0, 1.0}},
    };
    for (const ClosestCase& test : cases) {
        SCOPED_TRACE(test.name);
        const glm::dvec3 q = closestPointOnTriangle(test.point, a, b, c);
        EXPECT_NEAR(q.x, test.expected.x, 1e-12);
        EXPECT_NEAR(q.y, test.expected.y, 1e-12);
        EXPECT_NEAR(q.z, test.expected.z, 1e-12);
    }
}

TEST(CapsuleGeometry, WindingNormalFollowsIndexOrder)
{
    const glm::dvec3 a(0, 0, 0), b(0, 0, 1), c(1, 0, 1);
    EXPECT_EQ(windingNormal(a, b, c), glm::dvec3(0, 1, 0));
    EXPECT_EQ(windingNormal(a, c, b), glm::dvec3(0, -1, 0));
    EXPECT_EQ(windingNormal(a, a, c), glm::dvec3(0.0));
}

struct PairCase {
    const char* name;
    glm::dvec3 other;
    double expectedDistance;
    bool overlaps;
};

// Capsule A: centre origin, radius 0.5, height 0.5; B: radius 0.5, height 1.0.
TEST(CapsuleGeometry, VerticalCapsulesOverlapWhenCoreSegmentsAreCloserThanRadii)
{
    const PairCase cases[] = {
        {"side by side, apart", {1.2, 0.0, 0.0}, 1.2, false},
        {"side by side, exactly touching", {0.6, 0.3, -0.8}, 1.0, false},
        {"side by side, just inside", {0.0, 0.0, 0.99}, 0.99, true},
        {"stacked, touching range", {0.0, 1.75, 0.0}, 1.0, false},
        {"stacked, overlapping", {0.0, 1.5, 0.0}, 0.75, true},
        {"diagonal above", {0.6, 1.55, 0.8}, std::sqrt(1.0 + 0.8 * 0.8), false},
    };
    for (const PairCase& test : cases) {
        SCOPED_TRACE(test.name);
        EXPECT_NEAR(verticalSegmentDistance({0, 0, 0}, 0.5, test.other, 1.0), test.expectedDistance, 1e-12);
        EXPECT_EQ(capsulesOverlap({0, 0, 0}, 0.5, 0.5, test.other, 0.5, 1.0), test.overlaps);
    }
}

}  // namespace
