// Bone influences of a mesh's vertices and the model-wide bone table.
//
// Pure data work on Assimp's mesh records: no OpenGL. A model owns one bone
// table; every mesh adds the bones it names in order of first appearance, so a
// bone shared by several meshes keeps one id. Ids stay below MaxBones: a bone
// beyond that limit is refused with a console line and none of its weights is
// stored, so nothing downstream can index past the skinning matrices.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "scene/model.h"

struct aiMesh;

// The bone table a model builds while its meshes are imported.
struct BoneTable {
    std::map<std::string, BoneBinding> bindings;
    std::int32_t count = 0;  // next id to hand out; equals bindings.size()
};

// Puts one influence into the first empty slot of `vertex` (a negative id).
// Returns false and changes nothing when all MaxBoneInfluences slots are taken.
bool addBoneInfluence(Vertex& vertex, std::int32_t boneId, float weight);

// Looks `name` up in the table, adding it with `offset` when it is new.
// Returns the bone's id, or -1 when the table is full (MaxBones entries).
std::int32_t findOrAddBone(BoneTable& table, const std::string& name, const glm::mat4& offset);

// Fills the bone slots of `vertices` (the vertices of `mesh`, in its order)
// from the mesh's bones. Weights beyond four per vertex are dropped without a
// line, the kept ones are not renormalised; weights naming a vertex outside
// `vertices` and bones beyond the limit are skipped with one line each.
void extractBoneWeights(std::vector<Vertex>& vertices, const aiMesh& mesh, BoneTable& table);
