// A look at a glTF model before the importer reads it.
//
// The importer (Assimp 5.2) trusts glTF files: a node listed under two
// parents, a skin without inverse bind matrices, joints without weights, an
// accessor reaching past its buffer, an index naming something that does not
// exist, all crash the whole game or read out of bounds. A player's damaged
// or hand-edited model must cost a line, not the game, so every reference and
// byte range the importer follows is checked here first, against the glTF 2.0
// rules. What those rules allow passes, unless the importer crashes on it,
// hangs or misreads it; each such rule names the file under
// fuzz/regressions/model_gltf_fuzz/ that shows it. Pure file reading: no
// importer and no OpenGL.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// Why the model at `path` must not be handed to the importer, or nullopt when
// nothing is wrong with it. Files that are not ".gltf" or ".glb" pass (other
// formats have their own checks); a file that cannot be read passes too, and
// the importer reports it.
std::optional<std::string> findUnsafeGltf(const std::string& path);

// The same for the bytes of a glTF file already in memory: text JSON, or the
// binary container when it starts with the "glTF" magic. Buffers given by
// data URIs or held in the binary chunk are measured; a buffer in a separate
// file is taken at its declared length (the importer refuses a file shorter
// than that).
std::optional<std::string> findUnsafeGltfContent(std::string_view bytes);
