#include <GL/glew.h>

#include "framework/gpu_layout.h"
#include "framework/shader.h"
#include "scene/model.h"
#include "scene/sampler_names.h"
#include "scene/stand_in_texture.h"

namespace {

void describeFloatAttribute(VertexAttribute location, GLint components, std::size_t offset)
{
    glEnableVertexAttribArray(location);
    glVertexAttribPointer(location, components, GL_FLOAT, GL_FALSE, sizeof(Vertex),
                          reinterpret_cast<const void*>(offset));
}

// Straight into `program`, which need not be current: a program with variants
// is bound as a pipeline, and `program` is the stage that has the material's uniforms.
void setInt(GLuint program, const std::string& name, GLint value)
{
    // Looked up on every draw: the same mesh is drawn with several programs.
    glProgramUniform1i(program, glGetUniformLocation(program, name.c_str()), value);
}

}  // namespace

void Mesh::setupBuffers()
{
    glGenVertexArrays(1, &vao);
    glGenBuffers(1, &vbo);
    glGenBuffers(1, &ebo);
    glBindVertexArray(vao);
    glBindBuffer(GL_ARRAY_BUFFER, vbo);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(vertices.size() * sizeof(Vertex)), vertices.data(),
                 GL_STATIC_DRAW);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, ebo);
    glBufferData(GL_ELEMENT_ARRAY_BUFFER, static_cast<GLsizeiptr>(indices.size() * sizeof(std::uint32_t)),
                 indices.data(), GL_STATIC_DRAW);

    describeFloatAttribute(AttributePosition, 3, offsetof(Vertex, position));
    describeFloatAttribute(AttributeNormal, 3, offsetof(Vertex, normal));
    describeFloatAttribute(AttributeTexCoords, 2, offsetof(Vertex, texCoords));
    glEnableVertexAttribArray(AttributeBoneIds);
    glVertexAttribIPointer(AttributeBoneIds, MaxBoneInfluences, GL_INT, sizeof(Vertex),
                           reinterpret_cast<const void*>(offsetof(Vertex, boneIds)));
    describeFloatAttribute(AttributeBoneWeights, MaxBoneInfluences, offsetof(Vertex, boneWeights));
}

void Mesh::draw(const std::shared_ptr<Shader>& shader) const
{
    const std::shared_ptr<Shader> keep = shader;
    const GLuint program = keep->program;
    const std::vector<std::string> samplers = samplerUniformNames(textures);
    for (std::size_t i = 0; i < textures.size(); ++i) {
        glActiveTexture(static_cast<GLenum>(GL_TEXTURE0 + i));
        setInt(program, samplers[i], static_cast<GLint>(i));
        glBindTexture(GL_TEXTURE_2D, textures[i].id);
    }
    // A sampler the mesh has no texture for reads the stand-in, so that every
    // draw of a program shows its samplers the same formats (stand_in_texture.h).
    const bool hasDiffuse = hasTextureOfType(textures, DiffuseTextureType);
    const bool hasNormalMap = hasTextureOfType(textures, NormalMapType);
    if (!hasDiffuse)
        setInt(program, FirstDiffuseSampler, StandInTextureUnit);
    if (!hasNormalMap)
        setInt(program, FirstNormalMapSampler, StandInTextureUnit);
    setInt(program, HasDiffuseTextureUniform, hasDiffuse);
    setInt(program, HasNormalMapUniform, hasNormalMap);
    glProgramUniform3fv(program, glGetUniformLocation(program, MaterialColorUniform), 1, &materialColor.x);

    glBindVertexArray(vao);
    glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(indices.size()), GL_UNSIGNED_INT, nullptr);
    glBindVertexArray(0);

    for (std::size_t i = 0; i < textures.size(); ++i) {
        glActiveTexture(static_cast<GLenum>(GL_TEXTURE0 + i));
        glBindTexture(GL_TEXTURE_2D, 0);
    }
}
