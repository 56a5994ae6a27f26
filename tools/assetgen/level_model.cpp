#include "level_model.h"

#include "level_plan.h"

#include <cmath>

namespace {

constexpr double MaxQuadEdge = 4.0;  // longest quad edge, world units
constexpr double CutSlack = 1e-9;    // keeps an exact 4.0 span in one piece

const char* floorMaterialName(FloorMaterial m)
{
    switch (m) {
    case FloorMaterial::Trap:
        return "trap";
    case FloorMaterial::Goal:
        return "goal";
    default:
        return "floor";
    }
}

// A horizontal rectangle at height y, facing up or down, cut into small quads.
void addHorizontal(MeshBuilder& mesh, const std::string& material, const Rect& r, double y, double facingY)
{
    const std::vector<double> xs = cutPoints(r.x0, r.x1, MaxQuadEdge);
    const std::vector<double> zs = cutPoints(r.z0, r.z1, MaxQuadEdge);
    for (size_t j = 0; j + 1 < zs.size(); ++j) {
        for (size_t i = 0; i + 1 < xs.size(); ++i) {
            const glm::dvec3 behind((xs[i] + xs[i + 1]) / 2, y - facingY, (zs[j] + zs[j + 1]) / 2);
            mesh.addOutwardFace(
                material,
                {{xs[i], y, zs[j]}, {xs[i + 1], y, zs[j]}, {xs[i + 1], y, zs[j + 1]}, {xs[i], y, zs[j + 1]}},
                behind);
        }
    }
}

glm::dvec3 wallPoint(const WallRun& w, double along, double y)
{
    return w.alongX ? glm::dvec3(along, y, w.plane) : glm::dvec3(w.plane, y, along);
}

// One band of a wall run between y0 and y1, cut along the run.
void addWallBand(MeshBuilder& mesh, const WallRun& w, double y0, double y1)
{
    const std::string material = y1 <= FloorY ? "pit" : "wall";
    const glm::dvec3 facing(w.facingX, 0.0, w.facingZ);
    const std::vector<double> along = cutPoints(w.start, w.end, MaxQuadEdge);
    const std::vector<double> heights = cutPoints(y0, y1, MaxQuadEdge);
    for (size_t k = 0; k + 1 < heights.size(); ++k) {
        for (size_t i = 0; i + 1 < along.size(); ++i) {
            const glm::dvec3 behind = wallPoint(w, (along[i] + along[i + 1]) / 2, heights[k]) - facing;
            mesh.addOutwardFace(material,
                                {wallPoint(w, along[i], heights[k]), wallPoint(w, along[i + 1], heights[k]),
                                 wallPoint(w, along[i + 1], heights[k + 1]),
                                 wallPoint(w, along[i], heights[k + 1])},
                                behind);
        }
    }
}

// Walls that reach below the floor change to the pit material at floor height.
void addWall(MeshBuilder& mesh, const WallRun& w)
{
    if (w.bottomY < FloorY && w.topY > FloorY) {
        addWallBand(mesh, w, w.bottomY, FloorY);
        addWallBand(mesh, w, FloorY, w.topY);
    } else {
        addWallBand(mesh, w, w.bottomY, w.topY);
    }
}

}  // namespace

std::vector<double> cutPoints(double a, double b, double maxPiece)
{
    const int pieces = std::max(1, static_cast<int>(std::ceil((b - a) / maxPiece - CutSlack)));
    std::vector<double> points;
    for (int k = 0; k < pieces; ++k)
        points.push_back(a + (b - a) * k / pieces);
    points.push_back(b);
    return points;
}

MeshBuilder buildLevelMesh()
{
    MeshBuilder mesh;
    for (const FloorRect& f : floorRects())
        addHorizontal(mesh, floorMaterialName(f.material), f.area, FloorY, 1.0);
    for (const WallRun& w : wallRuns())
        addWall(mesh, w);
    for (const WalkBox& b : walkBoxes())
        addHorizontal(mesh, "ceiling", b.area, CeilingY, -1.0);
    return mesh;
}

std::vector<MaterialSpec> levelMaterials()
{
    return {
        {"floor", {0.8, 0.8, 0.8}, "textures/stone.png", ""},
        {"pit", {0.45, 0.42, 0.4}, "textures/stone.png", ""},
        {"wall", {0.8, 0.8, 0.8}, "textures/brick.png", "textures/brick_normal.png"},
        {"ceiling", {0.22, 0.20, 0.18}, "", ""},
        {"trap", {0.55, 0.08, 0.05}, "", ""},
        {"goal", {0.95, 0.75, 0.20}, "", ""},
    };
}
