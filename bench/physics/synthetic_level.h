// A stand-in level for the physics benchmark when the real map is not generated:
// a finely tessellated floor with a grid of corridor walls, of the real level's size.
#pragma once

#include <vector>

#include "level_geometry.h"

// Floor at y = 1 over x -10..270, z -310..10 with walls 4 high along a corridor grid.
std::vector<LevelMesh> makeSyntheticLevel();
