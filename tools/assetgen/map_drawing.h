// A top-down picture of a generated map, drawn from the triangles of its OBJ file:
// floors in their material's colour, walls as light lines, pit walls grey, north up.
#pragma once

#include <string>

// Reads the map at the game's scale (0.5) and writes a PNG. False if nothing could be read.
bool drawMapPicture(const std::string& mapObjPath, const std::string& pngPath);
