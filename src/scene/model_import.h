// Reading a model file into plain records, before anything touches the GPU.
//
// Assimp imports the file (OBJ with its MTL, or glTF); the node tree is walked
// depth first, meshes before children, and every mesh becomes vertices, a
// triangle index list, the texture paths its material names (diffuse first,
// then normal maps) and its diffuse colour. Node transformations are not
// applied: every mesh keeps its file coordinates. No OpenGL is used here, so
// the whole import can be checked without a window.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <glm/vec3.hpp>

#include "scene/bone_weights.h"
#include "scene/model.h"

struct aiMesh;
struct aiMaterial;

// Import flags: triangulate, generate smooth normals, flip UVs, calculate
// tangent space (0x800049).
constexpr unsigned ModelImportFlags = 0x800049;

// The colour a mesh draws with when its material has no diffuse colour.
constexpr glm::vec3 FallbackMaterialColor{0.0f, 1.0f, 0.0f};

// Longest texture path kept from a material.
constexpr std::size_t MaxTexturePathLength = 1023;

// One texture a material names; the image is loaded later, on the GPU side.
struct TextureRequest {
    std::string type;  // "texture_diffuse" or "normalMap"
    std::string path;  // as the material gives it, relative to the model's directory
};

// One mesh as read from the file.
struct ImportedMesh {
    std::vector<Vertex> vertices;
    std::vector<std::uint32_t> indices;
    std::vector<TextureRequest> textures;
    glm::vec3 materialColor = FallbackMaterialColor;
};

// A whole model file as read; `imported` is false when Assimp refused it.
struct ImportedModel {
    bool imported = false;
    std::string error;  // the line that says why, when not imported
    std::string directory;
    std::vector<ImportedMesh> meshes;
    BoneTable bones;
};

// The path up to, not including, its last "/"; the whole path when it has none.
std::string modelDirectory(const std::string& path);

// Imports `path`. On failure prints "ERROR::ASSIMP:: " and the importer's
// message, and returns a model with `imported` false and no meshes.
ImportedModel importModelFile(const std::string& path);

// The same without printing: the line is left in `error`. Safe on any thread.
ImportedModel readModelFile(const std::string& path);

// Vertices and triangle indices of one mesh; bone slots left empty.
// Missing normals become zero vectors, missing texture coordinates (0, 0).
void readMeshGeometry(const aiMesh& mesh, ImportedMesh& out);

// The material's diffuse colour without alpha; FallbackMaterialColor when it has none.
glm::vec3 readMaterialColor(const aiMaterial& material);

// The texture paths of one material: all diffuse textures, then all normal maps.
std::vector<TextureRequest> readMaterialTextures(const aiMaterial& material);
