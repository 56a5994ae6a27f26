// A look at an OBJ model's material libraries before the importer reads them.
//
// The importer (Assimp 5.2) crashes the whole game when a material library
// names a texture ("map_Kd", "bump", "disp", ...) or an anisotropy ("a")
// before its first "newmtl" (it fills in a material that does not exist), and
// on some binary garbage.
// Such libraries are damaged anyway, so the model is refused with a line
// instead. Pure file reading, no importer and no OpenGL.
#pragma once

#include <optional>
#include <string>

// Why the OBJ file at `objPath` must not be handed to the importer, or nullopt
// when nothing is wrong with it (also for files that are not ".obj", and for
// material libraries that do not exist: the importer copes with those).
// Libraries are looked for as the importer does: the "mtllib" name relative to
// the model's folder, else the model's own name with ".mtl".
std::optional<std::string> findUnsafeMaterialLibrary(const std::string& objPath);
