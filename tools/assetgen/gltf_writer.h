// Writes the skeleton as glTF 2.0: hand-formatted JSON (scene.gltf) next to one
// binary buffer (scene.bin) and an external image (textures/bone.png).
//
// Nodes: SkeletonRoot (lift and scale, holding the joint tree) and SkeletonMesh
// (the skinned mesh). Inverse bind matrices are relative to SkeletonRoot, so the
// bind pose draws as root x raw vertex. Matrices are stored column-major.
#pragma once

#include <string>

void writeSkeletonGltf(const std::string& folder);
