// What every imported model promises the GPU upload and the skinning pass,
// whatever file it came from.
#pragma once

#include "fuzz_check.h"
#include "scene/model_import.h"

inline void checkImportedModel(const ImportedModel& model)
{
    fuzzCheck(model.imported || model.meshes.empty(), "a refused file gives no meshes");
    fuzzCheck(model.bones.count <= MaxBones, "bone table within the skinning matrices");
    for (const ImportedMesh& mesh : model.meshes) {
        for (const std::uint32_t index : mesh.indices)
            fuzzCheck(index < mesh.vertices.size(), "indices name existing vertices");
        for (const Vertex& vertex : mesh.vertices) {
            for (const std::int32_t id : vertex.boneIds)
                fuzzCheck(id >= -1 && id < model.bones.count, "bone ids name known bones");
        }
    }
}
