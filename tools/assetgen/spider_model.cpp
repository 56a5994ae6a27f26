#include "prop_models.h"

#include "shapes.h"

#include <algorithm>

namespace {

// World units. The drawn spider must stay within about 0.6 long and 0.3 high so
// that its capsule (radius length/3, height = height) floats clear of the floor.
constexpr int ellipsoidSlices = 10, ellipsoidStacks = 6;
const glm::dvec3 abdomenCentre(-0.14, 0.17, 0.0), abdomenRadii(0.16, 0.11, 0.12);
const glm::dvec3 headCentre(0.10, 0.15, 0.0), headRadii(0.11, 0.08, 0.09);
constexpr double legHalf = 0.012, fangHalf = 0.01;
constexpr double hipY = 0.15, hipZ = 0.06, kneeY = 0.28, kneeZ = 0.28, footZ = 0.5;
constexpr double hipX[4] = {0.15, 0.11, 0.07, 0.03};
constexpr double kneeX[4] = {0.22, 0.10, -0.04, -0.16};
constexpr double footX[4] = {0.25, 0.08, -0.09, -0.25};
constexpr double eyeX0 = 0.19, eyeX1 = 0.215, eyeY0 = 0.19, eyeY1 = 0.21, eyeZ0 = 0.02, eyeZ1 = 0.045;

void addLegs(MeshBuilder& mesh, double side) {
    for (int k = 0; k < 4; ++k) {
        const glm::dvec3 hip(hipX[k], hipY, side * hipZ);
        const glm::dvec3 knee(kneeX[k], kneeY, side * kneeZ);
        const glm::dvec3 foot(footX[k], legHalf, side * footZ);
        addBar(mesh, "chitin", hip, knee, legHalf);
        addBar(mesh, "chitin", knee, foot, legHalf);
    }
}

void addHeadParts(MeshBuilder& mesh) {
    for (double side : {-1.0, 1.0}) {
        addBar(mesh, "chitin", {0.19, 0.12, side * 0.03}, {0.28, 0.04, side * 0.02}, fangHalf);
        addBox(mesh, "eyes", {eyeX0, eyeY0, std::min(side * eyeZ0, side * eyeZ1)},
               {eyeX1, eyeY1, std::max(side * eyeZ0, side * eyeZ1)});
    }
}

// Moves every corner so that the lowest point is exactly y 0 (the feet on the floor).
MeshBuilder standOnFloor(const MeshBuilder& built) {
    double lowest = 1e9;
    for (const FaceGroup& g : built.groups())
        for (const Face& f : g.faces)
            for (const FaceCorner& c : f.corners) lowest = std::min(lowest, c.position.y);
    MeshBuilder placed;
    for (const FaceGroup& g : built.groups()) {
        for (const Face& f : g.faces) {
            std::vector<FaceCorner> corners = f.corners;
            for (FaceCorner& c : corners) c.position.y -= lowest;
            placed.addFace(g.material, corners);
        }
    }
    return placed;
}

}  // namespace

MeshBuilder buildSpiderMesh() {
    MeshBuilder mesh;
    addEllipsoid(mesh, "chitin", abdomenCentre, abdomenRadii, ellipsoidSlices, ellipsoidStacks);
    addEllipsoid(mesh, "chitin", headCentre, headRadii, ellipsoidSlices, ellipsoidStacks);
    addLegs(mesh, -1.0);
    addLegs(mesh, 1.0);
    addHeadParts(mesh);
    return standOnFloor(mesh);
}

std::vector<MaterialSpec> spiderMaterials() {
    return {{"chitin", {0.8, 0.8, 0.8}, "textures/chitin.png", ""}, {"eyes", {0.9, 0.05, 0.05}, "", ""}};
}
