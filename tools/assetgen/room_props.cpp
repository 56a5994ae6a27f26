#include "prop_models.h"

#include "layout_table.h"
#include "shapes.h"

#include <cmath>

namespace {

// Door facade on the west wall (x = -8.8), centred on z = 5.4.
constexpr double wallX = -8.8;
constexpr double leafFrontX = -8.6, frameFrontX = -8.5, bandProud = 0.04;
constexpr double leafZ0 = 4.2, leafZ1 = 6.6, leafTop = 4.2;
constexpr double frameZ0 = 3.9, frameZ1 = 6.9, frameTop = 4.5;
constexpr double bandHalfHeight = 0.06, bandInset = 0.05;
constexpr double bandHeights[] = {1.8, 3.4};

// Podium centred on (-6.0, 5.4): base, shaft and cap as (half size, bottom, top).
constexpr double podiumX = -6.0, podiumZ = 5.4;
struct Tier {
    double halfSize, bottom, top;
};
constexpr Tier podiumTiers[] = {{0.7, 1.0, 1.2}, {0.4, 1.2, 1.8}, {0.6, 1.8, 2.0}};

// Riddle tablet standing on the podium, inscribed face towards +x.
constexpr double tabletX0 = -6.06, tabletX1 = -5.94, tabletZ0 = 5.0, tabletZ1 = 5.8;
constexpr double tabletBottom = 2.0, tabletTop = 2.6;

// Lava surface over the pit opening.
constexpr double lavaY = 0.4, rippleHeight = 0.05;
constexpr int lavaColumns = 14, lavaRows = 12;

// Deterministic swell of the lava surface, in [-1, 1].
double ripple(int i, int j) {
    return std::sin(i * 1.7 + j * 0.6) * 0.6 + std::cos(i * 0.5 - j * 1.3) * 0.4;
}

}  // namespace

MeshBuilder buildDoorMesh() {
    MeshBuilder mesh;
    addBox(mesh, "planks", {wallX, floorY, leafZ0}, {leafFrontX, leafTop, leafZ1}, skipNegX);
    for (double y : bandHeights)
        addBox(mesh, "iron", {leafFrontX, y - bandHalfHeight, leafZ0 + bandInset},
               {leafFrontX + bandProud, y + bandHalfHeight, leafZ1 - bandInset}, skipNegX);
    addBox(mesh, "frame", {wallX, floorY, frameZ0}, {frameFrontX, frameTop, leafZ0}, skipNegX);
    addBox(mesh, "frame", {wallX, floorY, leafZ1}, {frameFrontX, frameTop, frameZ1}, skipNegX);
    addBox(mesh, "frame", {wallX, leafTop, leafZ0}, {frameFrontX, frameTop, leafZ1}, skipNegX);
    return mesh;
}

std::vector<MaterialSpec> doorMaterials() {
    return {{"planks", {0.8, 0.8, 0.8}, "textures/planks.png", ""},
            {"iron", {0.12, 0.12, 0.14}, "", ""},
            {"frame", {0.35, 0.33, 0.30}, "", ""}};
}

MeshBuilder buildLavaMesh() {
    const Rect& pit = pitRects().front();
    MeshBuilder mesh;
    const auto point = [&](int i, int j) {
        const bool border = i == 0 || j == 0 || i == lavaColumns || j == lavaRows;
        const double swell = border ? 0.0 : rippleHeight * ripple(i, j);
        return glm::dvec3(pit.x0 + (pit.x1 - pit.x0) * i / lavaColumns, lavaY + swell,
                          pit.z0 + (pit.z1 - pit.z0) * j / lavaRows);
    };
    for (int j = 0; j < lavaRows; ++j) {
        for (int i = 0; i < lavaColumns; ++i) {
            // Rippled cells are not flat, so each is written as two upward triangles.
            mesh.addOutwardFace("lava", {point(i, j), point(i + 1, j), point(i + 1, j + 1)}, point(i, j) - glm::dvec3(0, 1, 0));
            mesh.addOutwardFace("lava", {point(i, j), point(i + 1, j + 1), point(i, j + 1)}, point(i, j) - glm::dvec3(0, 1, 0));
        }
    }
    return mesh;
}

std::vector<MaterialSpec> lavaMaterials() { return {{"lava", {1.0, 0.45, 0.1}, "textures/lava.png", ""}}; }

MeshBuilder buildPodiumMesh() {
    MeshBuilder mesh;
    for (const Tier& t : podiumTiers)
        addBox(mesh, "marble", {podiumX - t.halfSize, t.bottom, podiumZ - t.halfSize},
               {podiumX + t.halfSize, t.top, podiumZ + t.halfSize});
    return mesh;
}

std::vector<MaterialSpec> podiumMaterials() {
    return {{"marble", {0.9, 0.9, 0.9}, "textures/marble.png", "textures/marble_normal.png"}};
}

MeshBuilder buildRiddleMesh() {
    MeshBuilder mesh;
    // The inscription spans the whole image once, read by a viewer looking west.
    mesh.addFace("runes", std::vector<FaceCorner>{{{tabletX1, tabletBottom, tabletZ1}, {0, 0}},
                                                  {{tabletX1, tabletBottom, tabletZ0}, {1, 0}},
                                                  {{tabletX1, tabletTop, tabletZ0}, {1, 1}},
                                                  {{tabletX1, tabletTop, tabletZ1}, {0, 1}}});
    addBox(mesh, "slate", {tabletX0, tabletBottom, tabletZ0}, {tabletX1, tabletTop, tabletZ1}, skipPosX);
    return mesh;
}

std::vector<MaterialSpec> riddleMaterials() {
    return {{"runes", {0.9, 0.9, 0.9}, "textures/runes.png", ""}, {"slate", {0.30, 0.31, 0.34}, "", ""}};
}
