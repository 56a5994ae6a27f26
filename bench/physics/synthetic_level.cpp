#include "synthetic_level.h"

namespace {

constexpr float FloorY = 1.0f;
constexpr float WallTop = 5.0f;
constexpr float MinX = -10.0f, MaxX = 270.0f, MinZ = -310.0f, MaxZ = 10.0f;
constexpr int FloorCellsX = 280;  // 1 × 1 unit cells, like a tiled stone floor
constexpr int FloorCellsZ = 320;
constexpr float CorridorSpacing = 105.0f;
constexpr float WallOffset = 2.2f;  // half a corridor's width

LevelMesh makeFloor()
{
    LevelMesh mesh;
    const float dx = (MaxX - MinX) / FloorCellsX;
    const float dz = (MaxZ - MinZ) / FloorCellsZ;
    for (int i = 0; i <= FloorCellsX; ++i) {
        for (int j = 0; j <= FloorCellsZ; ++j) {
            mesh.positions.emplace_back(MinX + i * dx, FloorY, MinZ + j * dz);
        }
    }
    const auto index = [](int i, int j) { return std::uint32_t(i * (FloorCellsZ + 1) + j); };
    for (int i = 0; i < FloorCellsX; ++i) {
        for (int j = 0; j < FloorCellsZ; ++j) {
            mesh.indices.insert(mesh.indices.end(), {index(i, j), index(i, j + 1), index(i + 1, j + 1),
                                                     index(i, j), index(i + 1, j + 1), index(i + 1, j)});
        }
    }
    return mesh;
}

// A wall quad along x at height FloorY..WallTop facing +z or -z.
void addWallAlongX(LevelMesh& mesh, float x0, float x1, float z, bool facesPlusZ)
{
    const auto base = std::uint32_t(mesh.positions.size());
    mesh.positions.insert(mesh.positions.end(),
                          {{x0, FloorY, z}, {x1, FloorY, z}, {x1, WallTop, z}, {x0, WallTop, z}});
    if (facesPlusZ) {
        mesh.indices.insert(mesh.indices.end(), {base, base + 1, base + 2, base, base + 2, base + 3});
    } else {
        mesh.indices.insert(mesh.indices.end(), {base, base + 2, base + 1, base, base + 3, base + 2});
    }
}

// A wall quad along z facing +x or -x.
void addWallAlongZ(LevelMesh& mesh, float z0, float z1, float x, bool facesPlusX)
{
    const auto base = std::uint32_t(mesh.positions.size());
    mesh.positions.insert(mesh.positions.end(),
                          {{x, FloorY, z0}, {x, FloorY, z1}, {x, WallTop, z1}, {x, WallTop, z0}});
    if (facesPlusX) {
        mesh.indices.insert(mesh.indices.end(), {base, base + 2, base + 1, base, base + 3, base + 2});
    } else {
        mesh.indices.insert(mesh.indices.end(), {base, base + 1, base + 2, base, base + 2, base + 3});
    }
}

LevelMesh makeWalls()
{
    LevelMesh mesh;
    for (float z = -42.5f; z >= MinZ + 50.0f; z -= CorridorSpacing) {
        addWallAlongX(mesh, MinX, MaxX, z - WallOffset, true);
        addWallAlongX(mesh, MinX, MaxX, z + WallOffset, false);
    }
    for (float x = 2.45f; x <= MaxX - 50.0f; x += CorridorSpacing) {
        addWallAlongZ(mesh, MinZ, MaxZ, x - WallOffset, true);
        addWallAlongZ(mesh, MinZ, MaxZ, x + WallOffset, false);
    }
    return mesh;
}

}  // namespace

std::vector<LevelMesh> makeSyntheticLevel()
{
    return {makeFloor(), makeWalls()};
}
