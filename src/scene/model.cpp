#include "scene/model.h"

#include <algorithm>
#include <limits>
#include <utility>

#include <GL/glew.h>
#include <glm/common.hpp>

#include "framework/shader.h"
#include "framework/console.h"
#include "scene/model_files.h"
#include "scene/texture_upload.h"

Model::Model(const std::string& path, CollisionScene* collisionScene, ControllerManager* controllerManager,
             bool gamma, float scale, float radiusFactor, float heightFactor)
    : Model(prepareModelFiles(path), collisionScene, controllerManager, gamma, scale, radiusFactor,
            heightFactor)
{
}

Model::Model(const std::string& path, bool gamma, float scale) : Model(prepareModelFiles(path), gamma, scale)
{
}

Model::Model(PreparedModel files, CollisionScene* collisionScene, ControllerManager* controllerManager,
             bool gamma, float scale, float radiusFactor, float heightFactor)
    : controllerRadiusFactor(radiusFactor), controllerHeightFactor(heightFactor)
{
    loadModel(files, gamma);
    scaleVertices(scale);
    computeExtents();
    setupPhysics(collisionScene, controllerManager);
}

Model::Model(PreparedModel files, bool gamma, float scale)
{
    loadModel(files, gamma);
    scaleVertices(scale);
    computeExtents();
}

void Model::loadModel(PreparedModel& files, bool gamma)
{
    ImportedModel& imported = files.imported;
    if (!imported.imported) {
        printLine(imported.error);
        return;
    }
    directory = imported.directory;
    boneBindings = std::move(imported.bones.bindings);
    boneCount = imported.bones.count;
    for (ImportedMesh& source : imported.meshes) {
        Mesh mesh;
        mesh.vertices = std::move(source.vertices);
        mesh.indices = std::move(source.indices);
        mesh.materialColor = source.materialColor;
        for (const TextureRequest& request : source.textures) {
            // A file several meshes of this model name is decoded and uploaded once.
            const auto known =
                std::find_if(loadedTextures.begin(), loadedTextures.end(),
                             [&request](const MeshTexture& texture) { return texture.path == request.path; });
            if (known != loadedTextures.end()) {
                mesh.textures.push_back(*known);
                continue;
            }
            const TextureFile* file = files.texture(request.path);
            const std::uint32_t id = file ? uploadTexture(*file, request.path, gamma)
                                          : loadTextureFromFile(request.path, directory, gamma);
            const MeshTexture texture{id, request.type, request.path};
            mesh.textures.push_back(texture);
            loadedTextures.push_back(texture);
        }
        mesh.setupBuffers();
        meshes.push_back(std::move(mesh));
    }
}

void Model::scaleVertices(float factor)
{
    for (Mesh& mesh : meshes) {
        for (Vertex& vertex : mesh.vertices)
            vertex.position *= factor;
        if (mesh.vbo == 0)
            continue;
        glBindBuffer(GL_ARRAY_BUFFER, mesh.vbo);
        glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(mesh.vertices.size() * sizeof(Vertex)),
                     mesh.vertices.data(), GL_STATIC_DRAW);
    }
}

void Model::computeExtents()
{
    constexpr float Largest = std::numeric_limits<float>::max();
    glm::vec3 lowest(Largest);
    glm::vec3 highest(-Largest);
    for (const Mesh& mesh : meshes) {
        for (const Vertex& vertex : mesh.vertices) {
            lowest = glm::min(lowest, vertex.position);
            highest = glm::max(highest, vertex.position);
        }
    }
    const glm::vec3 extent = highest - lowest;
    extentX = extent.x;
    extentY = extent.y;
    extentZ = extent.z;
}

void Model::draw(const std::shared_ptr<Shader>& shader) const
{
    for (const Mesh& mesh : meshes)
        mesh.draw(shader);
}

void drawWithMatrix(const std::shared_ptr<Shader>& shader, const Model& model, const glm::mat4& modelMatrix)
{
    shader->setUniform("modelMatrix", modelMatrix);
    model.draw(shader);
}
