// A loaded 3-D model and its GPU-facing records.
//
// A Model is freely copyable: copies share the OpenGL objects (vertex arrays,
// buffers, textures) and the collision objects by name or pointer. Nothing here
// releases them; they live until the context and the physics world go away at
// exit. Positions are in model units multiplied by the model's scale factor.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <glm/mat4x4.hpp>
#include <glm/vec2.hpp>
#include <glm/vec3.hpp>

class Shader;
struct PreparedModel;
class CollisionScene;
class ControllerManager;
class CharacterController;
struct StaticMeshCollider;

// Number of skinning matrices; bone ids are 0 to MaxBones - 1.
constexpr int MaxBones = 100;
// Bone influences kept per vertex.
constexpr int MaxBoneInfluences = 4;

// One interleaved vertex exactly as it lies in the vertex buffer (88 bytes).
struct Vertex {
    glm::vec3 position{0.0f};                                    // scaled model-space position
    glm::vec3 normal{0.0f};                                      // as imported, not renormalised
    glm::vec2 texCoords{0.0f};                                   // (0, 0) when the mesh has none
    glm::vec3 tangent{0.0f};                                     // reserved, never read
    glm::vec3 bitangent{0.0f};                                   // reserved, never read
    std::int32_t boneIds[MaxBoneInfluences] = {-1, -1, -1, -1};  // -1 = empty slot
    float boneWeights[MaxBoneInfluences] = {0.0f, 0.0f, 0.0f, 0.0f};
};
static_assert(sizeof(Vertex) == 88, "the GPU vertex layout is 88 bytes");
static_assert(offsetof(Vertex, position) == 0, "position at byte 0");
static_assert(offsetof(Vertex, normal) == 12, "normal at byte 12");
static_assert(offsetof(Vertex, texCoords) == 24, "texCoords at byte 24");
static_assert(offsetof(Vertex, tangent) == 32, "tangent at byte 32");
static_assert(offsetof(Vertex, bitangent) == 44, "bitangent at byte 44");
static_assert(offsetof(Vertex, boneIds) == 56, "boneIds at byte 56");
static_assert(offsetof(Vertex, boneWeights) == 72, "boneWeights at byte 72");

// One texture of a mesh's material.
struct MeshTexture {
    std::uint32_t id = 0;  // GL_TEXTURE_2D name
    std::string type;      // "texture_diffuse" or "normalMap"
    std::string path;      // as the material names it, at most 1023 characters
};

// One drawable mesh.
struct Mesh {
    std::vector<Vertex> vertices;
    std::vector<std::uint32_t> indices;         // triangle list
    std::vector<MeshTexture> textures;          // diffuse textures first, then normal maps
    glm::vec3 materialColor{0.0f, 1.0f, 0.0f};  // green when the material has no colour
    std::uint32_t vao = 0;
    std::uint32_t vbo = 0;
    std::uint32_t ebo = 0;

    // Creates the vertex array and buffers and uploads vertices and indices.
    void setupBuffers();
    // Binds the material's textures and colour and issues one indexed draw.
    void draw(const std::shared_ptr<Shader>& shader) const;
};

// What a model knows about one bone.
struct BoneBinding {
    std::int32_t id = 0;     // index into the skinning matrices
    glm::mat4 offset{1.0f};  // model space -> bone space in bind pose (column-major)
};

class Model {
public:
    std::vector<Mesh> meshes;
    std::string directory;                      // model path up to its last "/"
    std::vector<MeshTexture> loadedTextures;    // every texture loaded for this model
    StaticMeshCollider* staticActor = nullptr;  // last static collider made
    CharacterController* controller = nullptr;  // owned by the controller manager
    CollisionScene* scene = nullptr;
    std::vector<StaticMeshCollider*> staticActors;  // one per mesh that made a collider
    float extentX = 0.0f;
    float extentY = 0.0f;
    float extentZ = 0.0f;
    std::map<std::string, BoneBinding> boneBindings;
    std::int32_t boneCount = 0;           // next bone id; equals boneBindings.size()
    float controllerRadiusFactor = 1.0f;  // capsule radius = extentX / 3 * factor
    float controllerHeightFactor = 1.0f;  // capsule height = extentY * factor

    // An empty model.
    Model() = default;

    // Loads, scales and measures the model, then gives it collision: with no
    // controller manager one static triangle mesh per mesh, otherwise one
    // capsule controller sized from the extents and factors.
    Model(const std::string& path, CollisionScene* scene, ControllerManager* controllerManager, bool gamma,
          float scale, float radiusFactor, float heightFactor);

    // Loads, scales and measures the model; no collision.
    Model(const std::string& path, bool gamma, float scale);

    // The same two, from files already read (model_files.h): the rest of the
    // load, on the context's thread. The read's error lines are printed here.
    Model(PreparedModel files, CollisionScene* scene, ControllerManager* controllerManager, bool gamma,
          float scale, float radiusFactor, float heightFactor);
    Model(PreparedModel files, bool gamma, float scale);

    // Multiplies every vertex position by `factor` (normals untouched) and
    // re-uploads each vertex buffer that exists (vbo != 0).
    void scaleVertices(float factor);

    // Sets extentX/Y/Z to max - min of the positions over all meshes; with no
    // vertex at all they come out as negative infinity.
    void computeExtents();

    // Gives the model collision in `collisionScene`: with no controller manager
    // one static triangle mesh per mesh, otherwise one capsule controller at
    // (5, 2, 5). Prints the set-up lines; never throws.
    void setupPhysics(CollisionScene* collisionScene, ControllerManager* controllerManager);

    // Draws every mesh in order with the current program of `shader`.
    void draw(const std::shared_ptr<Shader>& shader) const;

private:
    void loadModel(PreparedModel& files, bool gamma);
};

// Sets "modelMatrix" (world from model, column-major) on the current program
// of `shader` by name, then draws `model`. The game's typed programs set it
// through their own slot instead, for each PlacedModel they draw.
void drawWithMatrix(const std::shared_ptr<Shader>& shader, const Model& model, const glm::mat4& modelMatrix);

// A model drawn with a matrix of its own, as a spider is.
struct PlacedModel {
    const Model* model = nullptr;  // not owned
    glm::mat4 modelMatrix{1.0f};   // world from model, column-major
};
