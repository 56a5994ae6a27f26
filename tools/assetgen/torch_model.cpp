#include "prop_models.h"

#include "layout_table.h"
#include "level_plan.h"
#include "shapes.h"

#include <glm/common.hpp>
#include <glm/geometric.hpp>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Sconce parts, world units (the flame centre is the torch light).
constexpr double FlameWidth = 0.12, FlameHeight = 0.25;
constexpr double CupSide = 0.08, CupTop = 3.2;
constexpr double HandleHalf = 0.025, HandleBottom = 2.75;
constexpr double BarHalf = 0.02, BarY = 2.95;
constexpr double PlateDepth = 0.02, PlateHalfWidth = 0.08, PlateHalfHeight = 0.15;

struct Bracket {
    glm::dvec3 towardsWall{0.0};  // horizontal unit vector from the flame to its wall
    double distance = 0;          // flame to wall plane
};

double distanceToRun(double x, double z, const WallRun& w)
{
    const double along = w.alongX ? x : z;
    const double across = (w.alongX ? z : x) - w.plane;
    const double beyond = std::max({w.start - along, 0.0, along - w.end});
    return std::hypot(across, beyond);
}

// The nearest full-height wall holds the sconce.
Bracket bracketFor(const GroundPoint& t)
{
    Bracket best;
    double nearest = std::numeric_limits<double>::max();
    for (const WallRun& w : wallRuns()) {
        if (w.topY <= FloorY)
            continue;
        const double d = distanceToRun(t.x, t.z, w);
        if (d < nearest) {
            nearest = d;
            best = {glm::dvec3(-w.facingX, 0.0, -w.facingZ), std::abs((w.alongX ? t.z : t.x) - w.plane)};
        }
    }
    return best;
}

void addSconce(MeshBuilder& mesh, const GroundPoint& t)
{
    const glm::dvec3 flame(t.x, TorchY, t.z);
    const Bracket bracket = bracketFor(t);
    const glm::dvec3 flat(t.x, 0.0, t.z);
    const double cupBottom = CupTop - CupSide;
    addBox(mesh, "wood", flat + glm::dvec3(-HandleHalf, HandleBottom, -HandleHalf),
           flat + glm::dvec3(HandleHalf, cupBottom, HandleHalf));
    addBox(mesh, "iron", flat + glm::dvec3(-CupSide / 2, cupBottom, -CupSide / 2),
           flat + glm::dvec3(CupSide / 2, CupTop, CupSide / 2));
    const glm::dvec3 barStart = flat + glm::dvec3(0, BarY, 0) + bracket.towardsWall * HandleHalf;
    const glm::dvec3 plateFront =
        flat + glm::dvec3(0, BarY, 0) + bracket.towardsWall * (bracket.distance - PlateDepth);
    addBar(mesh, "iron", barStart, plateFront, BarHalf);
    const glm::dvec3 side = glm::cross(bracket.towardsWall, glm::dvec3(0, 1, 0)) * PlateHalfWidth;
    const glm::dvec3 wallPoint = plateFront + bracket.towardsWall * PlateDepth;
    const glm::dvec3 up(0, PlateHalfHeight, 0);
    addBox(mesh, "iron", glm::min(plateFront - side - up, wallPoint + side + up),
           glm::max(plateFront - side - up, wallPoint + side + up));
    addDoublePyramid(mesh, "flame", flame, FlameWidth, FlameHeight);
}

}  // namespace

MeshBuilder buildTorchesMesh()
{
    MeshBuilder mesh;
    for (const GroundPoint& t : torchPositions())
        addSconce(mesh, t);
    return mesh;
}

std::vector<MaterialSpec> torchMaterials()
{
    return {{"wood", {0.8, 0.8, 0.8}, "textures/wood.png", ""},
            {"iron", {0.15, 0.15, 0.17}, "", ""},
            {"flame", {1.0, 0.6, 0.15}, "", ""}};
}
