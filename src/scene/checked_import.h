// The one way the game hands a model file to the importer.
//
// Assimp 5.2 crashes on some damaged files; the checks that keep those away
// from it (OBJ material libraries, glTF references and byte ranges, files no
// reader of their extension recognises) run first, for the model loader and
// for the animation clip alike, since both read the same files.
#pragma once

#include <string>

#include <assimp/Importer.hpp>

struct aiScene;

// The scene read from `path` with `flags`, owned by `importer`; null when the
// file was refused or the import failed, and then `error` says why.
const aiScene* importCheckedScene(Assimp::Importer& importer, const std::string& path,
                                  unsigned flags, std::string& error);
