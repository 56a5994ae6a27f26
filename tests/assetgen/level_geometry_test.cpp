// The level as written to Map.obj, read back at the game's scale: floor where the
// game puts the player, spiders and goal, none over the pits, every face turned
// into the walkable space, and torches clear of the walls.
#include "support/test_files.h"
#include "layout_table.h"
#include "obj_reader.h"

#include <glm/geometric.hpp>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr double MapScale = 0.5;
constexpr double Probe = 0.05;       // how far in front of / behind a face the side test looks
constexpr double MinTorchGap = 0.2;  // torch light to any wall face

const std::vector<ObjTriangle>& mapTriangles()
{
    static const std::vector<ObjTriangle> triangles =
        readObjTriangles(sourceTreePath("assets/geometry/map/Map.obj"), MapScale);
    return triangles;
}

bool insideTopDown(const ObjTriangle& t, double x, double z)
{
    const auto side = [&](int a, int b) {
        const glm::dvec3 &p = t.corners[a], &q = t.corners[b];
        return (q.x - p.x) * (z - p.z) - (q.z - p.z) * (x - p.x);
    };
    const double s0 = side(0, 1), s1 = side(1, 2), s2 = side(2, 0);
    return (s0 >= 0 && s1 >= 0 && s2 >= 0) || (s0 <= 0 && s1 <= 0 && s2 <= 0);
}

// An upward face at floor height under (x, z).
bool floorUnder(double x, double z)
{
    return std::any_of(mapTriangles().begin(), mapTriangles().end(), [&](const ObjTriangle& t) {
        return t.normal().y > 0.99 && std::abs(t.centroid().y - FloorY) < 1e-6 && insideTopDown(t, x, z);
    });
}

bool anyUpwardFaceAt(double x, double z)
{
    return std::any_of(mapTriangles().begin(), mapTriangles().end(),
                       [&](const ObjTriangle& t) { return t.normal().y > 0.5 && insideTopDown(t, x, z); });
}

// Inside a walkable box between floor and ceiling, or inside a pit below the floor.
bool inOpenSpace(const glm::dvec3& p)
{
    for (const WalkBox& b : walkBoxes())
        if (contains(b.area, p.x, p.z, -1e-9) && p.y > FloorY && p.y < CeilingY)
            return true;
    for (const Rect& pit : pitRects())
        if (contains(pit, p.x, p.z, -1e-9) && p.y > PitBottomY && p.y <= FloorY)
            return true;
    return false;
}

double distanceToSegment(const glm::dvec3& p, const glm::dvec3& a, const glm::dvec3& b)
{
    const double t = std::clamp(glm::dot(p - a, b - a) / glm::dot(b - a, b - a), 0.0, 1.0);
    return glm::length(p - (a + (b - a) * t));
}

double distanceToTriangle(const glm::dvec3& p, const ObjTriangle& t)
{
    const glm::dvec3 n = t.normal();
    const glm::dvec3 onPlane = p - n * glm::dot(p - t.corners[0], n);
    bool inside = true;
    for (int k = 0; k < 3; ++k)
        inside &= glm::dot(glm::cross(t.corners[(k + 1) % 3] - t.corners[k], onPlane - t.corners[k]), n) >= 0;
    if (inside)
        return std::abs(glm::dot(p - t.corners[0], n));
    double best = 1e9;
    for (int k = 0; k < 3; ++k)
        best = std::min(best, distanceToSegment(p, t.corners[k], t.corners[(k + 1) % 3]));
    return best;
}

struct NamedPoint {
    std::string name;
    GroundPoint at;
};

std::vector<NamedPoint> pointsThatNeedFloor()
{
    std::vector<NamedPoint> points = {{"start", playerStart()}, {"win teleport", winTeleport()}};
    for (size_t k = 0; k < routeWaypoints().size(); ++k)
        points.push_back({"route waypoint " + std::to_string(k + 1), routeWaypoints()[k]});
    for (size_t s = 0; s < spiderPatrols().size(); ++s) {
        const SpiderPatrol& p = spiderPatrols()[s];
        for (double d = -PatrolOvershoot; d <= PatrolDistance + PatrolOvershoot; d += 0.5)
            points.push_back({"spider " + std::to_string(s + 1) + " at " + std::to_string(d),
                              {p.start.x + p.axis.x * d, p.start.z + p.axis.z * d}});
    }
    const Rect& g = goalZone();
    for (double fx : {0.0, 0.5, 1.0})
        for (double fz : {0.0, 0.5, 1.0})
            points.push_back({"goal zone", {g.x0 + (g.x1 - g.x0) * fx, g.z0 + (g.z1 - g.z0) * fz}});
    return points;
}

}  // namespace

TEST(LevelGeometry, MapIsReadable)
{
    ASSERT_GT(mapTriangles().size(), 1000u);
}

TEST(LevelGeometry, FloorUnderEveryPlaceTheGameUses)
{
    for (const NamedPoint& p : pointsThatNeedFloor())
        EXPECT_TRUE(floorUnder(p.at.x, p.at.z)) << p.name << " (" << p.at.x << ", " << p.at.z << ")";
}

TEST(LevelGeometry, NothingUnderThePits)
{
    constexpr double Inset = 0.05, Step = 0.25;
    for (const Rect& pit : pitRects())
        for (double x = pit.x0 + Inset; x < pit.x1; x += Step)
            for (double z = pit.z0 + Inset; z < pit.z1; z += Step)
                EXPECT_FALSE(anyUpwardFaceAt(x, z)) << "(" << x << ", " << z << ")";
}

TEST(LevelGeometry, EveryFaceLooksIntoOpenSpace)
{
    int wrong = 0;
    for (const ObjTriangle& t : mapTriangles()) {
        const glm::dvec3 front = t.centroid() + t.normal() * Probe, back = t.centroid() - t.normal() * Probe;
        if (!inOpenSpace(front) || inOpenSpace(back)) {
            ++wrong;
            ADD_FAILURE() << t.material << " face at (" << t.centroid().x << ", " << t.centroid().y << ", "
                          << t.centroid().z << ") normal (" << t.normal().x << ", " << t.normal().y << ", "
                          << t.normal().z << ")";
            if (wrong > 10)
                break;
        }
    }
}

TEST(LevelGeometry, TorchesHangClearOfTheWalls)
{
    for (size_t k = 0; k < torchPositions().size(); ++k) {
        const glm::dvec3 light(torchPositions()[k].x, TorchY, torchPositions()[k].z);
        EXPECT_TRUE(inOpenSpace(light)) << "torch " << k;
        double nearest = 1e9;
        for (const ObjTriangle& t : mapTriangles())
            if (std::abs(t.normal().y) < 0.01)
                nearest = std::min(nearest, distanceToTriangle(light, t));
        EXPECT_GE(nearest, MinTorchGap) << "torch " << k;
        EXPECT_LE(nearest, 0.6) << "torch " << k << " hangs away from every wall";
    }
}

TEST(LevelGeometry, SconcesStayOnTheRoomSideOfTheWalls)
{
    const std::vector<ObjTriangle> sconces =
        readObjTriangles(sourceTreePath("assets/geometry/torches/Torches.obj"), MapScale);
    ASSERT_FALSE(sconces.empty());
    for (const ObjTriangle& t : sconces)
        for (const glm::dvec3& c : t.corners) {
            bool inside = false;
            for (const WalkBox& b : walkBoxes())
                inside |= contains(b.area, c.x, c.z, 1e-6);
            ASSERT_TRUE(inside) << t.material << " corner (" << c.x << ", " << c.y << ", " << c.z << ")";
        }
}
