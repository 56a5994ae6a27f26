// The one way the game hands a model file to the importer, and the checks
// that run before it.
//
// Why: Assimp 5.2's importers crash, hang or read out of bounds on some
// damaged files (a glTF node under two parents, an accessor reaching past its
// buffer, an OBJ material library setting a texture before its first
// material, a file no reader of its extension recognises). A player's damaged
// or hand-edited model must cost a line, not the game, so the model loader
// and the animation clip, which read the same files, both come through here.
//
// When a rule may go: the rules stand in for checks the importer lacks. The
// inputs under fuzz/regressions/ are files that crashed, hung or misled it,
// and each rule that goes beyond the file formats names its own. After an
// upgrade of the importer, take a rule out and rerun those inputs
// (`cmake --workflow --preset fuzzers` replays every one through the real
// import); a rule whose inputs the new importer reads safely may go, one
// whose inputs still crash, hang or misread stays.
//
// Internal names live in the namespace model_check; this header,
// gltf_check.h and obj_material_check.h are what the rest of the game uses.
#pragma once

#include <string>

#include <assimp/Importer.hpp>

struct aiScene;

// The scene read from `path` with `flags`, owned by `importer`; null when the
// file was refused or the import failed, and then `error` says why.
const aiScene* importCheckedScene(Assimp::Importer& importer, const std::string& path, unsigned flags,
                                  std::string& error);
