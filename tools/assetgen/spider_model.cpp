#include "prop_models.h"

#include "shapes.h"

#include <algorithm>

namespace {

// World units. The drawn spider must stay within about 0.6 long and 0.3 high so
// that its capsule (radius length/3, height = height) floats clear of the floor.
constexpr int EllipsoidSlices = 10, EllipsoidStacks = 6;
const glm::dvec3 AbdomenCentre(-0.14, 0.17, 0.0), AbdomenRadii(0.16, 0.11, 0.12);
const glm::dvec3 HeadCentre(0.10, 0.15, 0.0), HeadRadii(0.11, 0.08, 0.09);
constexpr double LegHalf = 0.012, FangHalf = 0.01;
constexpr double HipY = 0.15, HipZ = 0.06, KneeY = 0.28, KneeZ = 0.28, FootZ = 0.5;
constexpr double HipX[4] = {0.15, 0.11, 0.07, 0.03};
constexpr double KneeX[4] = {0.22, 0.10, -0.04, -0.16};
constexpr double FootX[4] = {0.25, 0.08, -0.09, -0.25};
constexpr double EyeX0 = 0.19, EyeX1 = 0.215, EyeY0 = 0.19, EyeY1 = 0.21, EyeZ0 = 0.02, EyeZ1 = 0.045;

void addLegs(MeshBuilder& mesh, double side)
{
    for (int k = 0; k < 4; ++k) {
        const glm::dvec3 hip(HipX[k], HipY, side * HipZ);
        const glm::dvec3 knee(KneeX[k], KneeY, side * KneeZ);
        const glm::dvec3 foot(FootX[k], LegHalf, side * FootZ);
        addBar(mesh, "chitin", hip, knee, LegHalf);
        addBar(mesh, "chitin", knee, foot, LegHalf);
    }
}

void addHeadParts(MeshBuilder& mesh)
{
    for (double side : {-1.0, 1.0}) {
        addBar(mesh, "chitin", {0.19, 0.12, side * 0.03}, {0.28, 0.04, side * 0.02}, FangHalf);
        addBox(mesh, "eyes", {EyeX0, EyeY0, std::min(side * EyeZ0, side * EyeZ1)},
               {EyeX1, EyeY1, std::max(side * EyeZ0, side * EyeZ1)});
    }
}

// Moves every corner so that the lowest point is exactly y 0 (the feet on the floor).
MeshBuilder standOnFloor(const MeshBuilder& built)
{
    double lowest = 1e9;
    for (const FaceGroup& g : built.groups())
        for (const Face& f : g.faces)
            for (const FaceCorner& c : f.corners)
                lowest = std::min(lowest, c.position.y);
    MeshBuilder placed;
    for (const FaceGroup& g : built.groups()) {
        for (const Face& f : g.faces) {
            std::vector<FaceCorner> corners = f.corners;
            for (FaceCorner& c : corners)
                c.position.y -= lowest;
            placed.addFace(g.material, corners);
        }
    }
    return placed;
}

}  // namespace

MeshBuilder buildSpiderMesh()
{
    MeshBuilder mesh;
    addEllipsoid(mesh, "chitin", AbdomenCentre, AbdomenRadii, EllipsoidSlices, EllipsoidStacks);
    addEllipsoid(mesh, "chitin", HeadCentre, HeadRadii, EllipsoidSlices, EllipsoidStacks);
    addLegs(mesh, -1.0);
    addLegs(mesh, 1.0);
    addHeadParts(mesh);
    return standOnFloor(mesh);
}

std::vector<MaterialSpec> spiderMaterials()
{
    return {{"chitin", {0.8, 0.8, 0.8}, "textures/chitin.png", ""}, {"eyes", {0.9, 0.05, 0.05}, "", ""}};
}
