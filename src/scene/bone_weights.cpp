#include "scene/bone_weights.h"

#include <assimp/mesh.h>

#include "framework/console.h"

namespace {

// Assimp stores matrices row-major; GLM wants columns.
glm::mat4 toColumnMajor(const aiMatrix4x4& m)
{
    return glm::mat4(m.a1, m.b1, m.c1, m.d1, m.a2, m.b2, m.c2, m.d2, m.a3, m.b3, m.c3, m.d3, m.a4, m.b4, m.c4,
                     m.d4);
}

}  // namespace

bool addBoneInfluence(Vertex& vertex, std::int32_t boneId, float weight)
{
    for (int slot = 0; slot < MaxBoneInfluences; ++slot) {
        if (vertex.boneIds[slot] < 0) {
            vertex.boneIds[slot] = boneId;
            vertex.boneWeights[slot] = weight;
            return true;
        }
    }
    return false;
}

std::int32_t findOrAddBone(BoneTable& table, const std::string& name, const glm::mat4& offset)
{
    const auto found = table.bindings.find(name);
    if (found != table.bindings.end())
        return found->second.id;
    if (table.count >= MaxBones)
        return -1;
    BoneBinding binding;
    binding.id = table.count;
    binding.offset = offset;
    table.bindings.emplace(name, binding);
    return table.count++;
}

void extractBoneWeights(std::vector<Vertex>& vertices, const aiMesh& mesh, BoneTable& table)
{
    for (unsigned b = 0; b < mesh.mNumBones; ++b) {
        const aiBone& bone = *mesh.mBones[b];
        const std::string name(bone.mName.C_Str());
        const std::int32_t id = findOrAddBone(table, name, toColumnMajor(bone.mOffsetMatrix));
        if (id < 0) {
            printLine("Bone ignored, a model holds at most " + std::to_string(MaxBones) + " bones: " + name);
            continue;
        }
        for (unsigned w = 0; w < bone.mNumWeights; ++w) {
            const aiVertexWeight& weight = bone.mWeights[w];
            if (weight.mVertexId >= vertices.size()) {
                printLine("Bone weight ignored, vertex " + std::to_string(weight.mVertexId) +
                          " is outside the mesh: " + name);
                continue;
            }
            addBoneInfluence(vertices[weight.mVertexId], id, weight.mWeight);
        }
    }
}
