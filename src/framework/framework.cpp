#include "framework/framework.h"

#include <vector>

#include <GL/glew.h>
#include <GLFW/glfw3.h>

#include "framework/builtin_mesh.h"
#include "framework/console.h"

std::unique_ptr<Shader> defaultShader;
BuiltinMesh builtinMesh;

namespace {

constexpr GLuint BuiltinPositionAttribute = 0;
constexpr GLint FloatsPerPosition = 3;

void installDefaultShader()
{
    GLint currentProgram = 0;
    glGetIntegerv(GL_CURRENT_PROGRAM, &currentProgram);
    if (currentProgram != 0)
        return;
    defaultShader.reset();
    defaultShader = std::make_unique<Shader>();
    defaultShader->use();
}

void uploadBuiltinMesh()
{
    std::vector<glm::vec3> positions = builtinMeshPositions();
    for (glm::vec3& position : positions)
        position = placeBuiltinVertex(position);
    const std::vector<std::uint32_t> indices = builtinMeshIndices();
    builtinMesh.indexCount = static_cast<int>(indices.size());

    glGenVertexArrays(1, &builtinMesh.vao);
    glBindVertexArray(builtinMesh.vao);
    glGenBuffers(1, &builtinMesh.vbo);
    glBindBuffer(GL_ARRAY_BUFFER, builtinMesh.vbo);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(positions.size() * sizeof(glm::vec3)),
                 positions.data(), GL_STATIC_DRAW);
    glEnableVertexAttribArray(BuiltinPositionAttribute);
    glVertexAttribPointer(BuiltinPositionAttribute, FloatsPerPosition, GL_FLOAT, GL_FALSE, 0, nullptr);
    glGenBuffers(1, &builtinMesh.ebo);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, builtinMesh.ebo);
    glBufferData(GL_ELEMENT_ARRAY_BUFFER, static_cast<GLsizeiptr>(indices.size() * sizeof(std::uint32_t)),
                 indices.data(), GL_STATIC_DRAW);
    // The vertex array keeps its element buffer; unbind the array first.
    glBindVertexArray(0);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
}

}  // namespace

bool initFramework()
{
    if (glfwGetCurrentContext() == nullptr) {
        printLine("No context available. Exiting.");
        return false;
    }
    if (!GLEW_VERSION_3_0) {
        printLine("GLEW not available. Exiting.");
        return false;
    }
    installDefaultShader();
    uploadBuiltinMesh();
    return true;
}

void shutdownFramework()
{
    glDeleteBuffers(1, &builtinMesh.vbo);
    glDeleteBuffers(1, &builtinMesh.ebo);
    glDeleteVertexArrays(1, &builtinMesh.vao);
    builtinMesh = BuiltinMesh{};
    defaultShader.reset();
}
