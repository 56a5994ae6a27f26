// Builds the map model (floors, ceilings, walls and pit walls) from the level plan.
//
// Floors face up, ceilings down, walls into the walkable space and pit walls into
// the pits; the game culls back faces and its collision is one-sided, so these
// directions are what make the level solid. Surfaces are cut into quads of at most
// 4 x 4 world units.
#pragma once

#include "mesh_builder.h"
#include "obj_writer.h"

#include <vector>

MeshBuilder buildLevelMesh();
std::vector<MaterialSpec> levelMaterials();

// Cut points from a to b into equal pieces no longer than maxPiece.
std::vector<double> cutPoints(double a, double b, double maxPiece);
