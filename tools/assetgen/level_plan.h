// The level's surfaces derived from the layout table: floor rectangles with their
// material, and straight wall runs around the walkable area and the pits.
//
// Everything is in world units. The plan is computed on the grid of all box, pit
// and zone edges, so every wall lies exactly on a box or pit edge.
#pragma once

#include "layout_table.h"

#include <string>
#include <vector>

enum class FloorMaterial { Stone, Trap, Goal };

struct FloorRect {
    Rect area;
    FloorMaterial material = FloorMaterial::Stone;
};

// A vertical wall in the plane x = plane (alongX false) or z = plane (alongX true),
// running from start to end (start < end) along the other axis. facingX/facingZ is
// the unit direction its front face looks at: into the walkable space or the pit.
struct WallRun {
    bool alongX = false;
    double plane = 0;
    double start = 0, end = 0;
    int facingX = 0, facingZ = 0;
    double bottomY = 0, topY = 0;
};

// Hazard branch floors: each zone widened to its branch's walls and carried to the end wall.
std::vector<Rect> trapRects();
Rect goalRect();

// Floor pieces (pits left out), merged along x per grid row, then along z.
std::vector<FloorRect> floorRects();

// Wall runs merged into straight pieces, sorted deterministically.
std::vector<WallRun> wallRuns();

// The walkable box holding the point (edges excluded), or nullptr.
const WalkBox* walkBoxAt(double x, double z);
bool insidePit(double x, double z);
