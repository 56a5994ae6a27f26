#include "prop_models.h"

#include "layout_table.h"
#include "shapes.h"

#include <cmath>

namespace {

// Door facade on the west wall (x = -8.8), centred on z = 5.4.
constexpr double WallX = -8.8;
constexpr double LeafFrontX = -8.6, FrameFrontX = -8.5, BandProud = 0.04;
constexpr double LeafZ0 = 4.2, LeafZ1 = 6.6, LeafTop = 4.2;
constexpr double FrameZ0 = 3.9, FrameZ1 = 6.9, FrameTop = 4.5;
constexpr double BandHalfHeight = 0.06, BandInset = 0.05;
constexpr double BandHeights[] = {1.8, 3.4};

// Podium centred on (-6.0, 5.4): base, shaft and cap as (half size, bottom, top).
constexpr double PodiumX = -6.0, PodiumZ = 5.4;
struct Tier {
    double halfSize, bottom, top;
};
constexpr Tier PodiumTiers[] = {{0.7, 1.0, 1.2}, {0.4, 1.2, 1.8}, {0.6, 1.8, 2.0}};

// Riddle tablet standing on the podium, inscribed face towards +x.
constexpr double TabletX0 = -6.06, TabletX1 = -5.94, TabletZ0 = 5.0, TabletZ1 = 5.8;
constexpr double TabletBottom = 2.0, TabletTop = 2.6;

// Lava surface over the pit opening.
constexpr double LavaY = 0.4, RippleHeight = 0.05;
constexpr int LavaColumns = 14, LavaRows = 12;

// Deterministic swell of the lava surface, in [-1, 1].
double ripple(int i, int j)
{
    return std::sin(i * 1.7 + j * 0.6) * 0.6 + std::cos(i * 0.5 - j * 1.3) * 0.4;
}

}  // namespace

MeshBuilder buildDoorMesh()
{
    MeshBuilder mesh;
    addBox(mesh, "planks", {WallX, FloorY, LeafZ0}, {LeafFrontX, LeafTop, LeafZ1}, SkipNegX);
    for (double y : BandHeights)
        addBox(mesh, "iron", {LeafFrontX, y - BandHalfHeight, LeafZ0 + BandInset},
               {LeafFrontX + BandProud, y + BandHalfHeight, LeafZ1 - BandInset}, SkipNegX);
    addBox(mesh, "frame", {WallX, FloorY, FrameZ0}, {FrameFrontX, FrameTop, LeafZ0}, SkipNegX);
    addBox(mesh, "frame", {WallX, FloorY, LeafZ1}, {FrameFrontX, FrameTop, FrameZ1}, SkipNegX);
    addBox(mesh, "frame", {WallX, LeafTop, LeafZ0}, {FrameFrontX, FrameTop, LeafZ1}, SkipNegX);
    return mesh;
}

std::vector<MaterialSpec> doorMaterials()
{
    return {{"planks", {0.8, 0.8, 0.8}, "textures/planks.png", ""},
            {"iron", {0.12, 0.12, 0.14}, "", ""},
            {"frame", {0.35, 0.33, 0.30}, "", ""}};
}

MeshBuilder buildLavaMesh()
{
    const Rect& pit = pitRects().front();
    MeshBuilder mesh;
    const auto point = [&](int i, int j) {
        const bool border = i == 0 || j == 0 || i == LavaColumns || j == LavaRows;
        const double swell = border ? 0.0 : RippleHeight * ripple(i, j);
        return glm::dvec3(pit.x0 + (pit.x1 - pit.x0) * i / LavaColumns, LavaY + swell,
                          pit.z0 + (pit.z1 - pit.z0) * j / LavaRows);
    };
    for (int j = 0; j < LavaRows; ++j) {
        for (int i = 0; i < LavaColumns; ++i) {
            // Rippled cells are not flat, so each is written as two upward triangles.
            mesh.addOutwardFace("lava", {point(i, j), point(i + 1, j), point(i + 1, j + 1)},
                                point(i, j) - glm::dvec3(0, 1, 0));
            mesh.addOutwardFace("lava", {point(i, j), point(i + 1, j + 1), point(i, j + 1)},
                                point(i, j) - glm::dvec3(0, 1, 0));
        }
    }
    return mesh;
}

std::vector<MaterialSpec> lavaMaterials()
{
    return {{"lava", {1.0, 0.45, 0.1}, "textures/lava.png", ""}};
}

MeshBuilder buildPodiumMesh()
{
    MeshBuilder mesh;
    for (const Tier& t : PodiumTiers)
        addBox(mesh, "marble", {PodiumX - t.halfSize, t.bottom, PodiumZ - t.halfSize},
               {PodiumX + t.halfSize, t.top, PodiumZ + t.halfSize});
    return mesh;
}

std::vector<MaterialSpec> podiumMaterials()
{
    return {{"marble", {0.9, 0.9, 0.9}, "textures/marble.png", "textures/marble_normal.png"}};
}

MeshBuilder buildRiddleMesh()
{
    MeshBuilder mesh;
    // The inscription spans the whole image once, read by a viewer looking west.
    mesh.addFace("runes", std::vector<FaceCorner>{{{TabletX1, TabletBottom, TabletZ1}, {0, 0}},
                                                  {{TabletX1, TabletBottom, TabletZ0}, {1, 0}},
                                                  {{TabletX1, TabletTop, TabletZ0}, {1, 1}},
                                                  {{TabletX1, TabletTop, TabletZ1}, {0, 1}}});
    addBox(mesh, "slate", {TabletX0, TabletBottom, TabletZ0}, {TabletX1, TabletTop, TabletZ1}, SkipPosX);
    return mesh;
}

std::vector<MaterialSpec> riddleMaterials()
{
    return {{"runes", {0.9, 0.9, 0.9}, "textures/runes.png", ""}, {"slate", {0.30, 0.31, 0.34}, "", ""}};
}
