#include "framework/shader.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <utility>
#include <vector>

#include <GL/glew.h>
#include <glm/gtc/type_ptr.hpp>

#include "framework/asset_search.h"
#include "framework/console.h"
#include "framework/default_shader_sources.h"

namespace {

// A driver may report a log length of 0; the buffer still needs room for the
// terminating zero so that it prints as an empty line.
// Shader and program logs are fetched through entry points of the same signature.
std::string readInfoLog(GLint length, PFNGLGETSHADERINFOLOGPROC fetch, GLuint object)
{
    std::vector<GLchar> buffer(static_cast<std::size_t>(std::max(length, 1)), '\0');
    fetch(object, static_cast<GLsizei>(buffer.size()), nullptr, buffer.data());
    buffer.back() = '\0';
    return std::string(buffer.data());
}

std::string shaderInfoLog(GLuint shader)
{
    GLint length = 0;
    glGetShaderiv(shader, GL_INFO_LOG_LENGTH, &length);
    return readInfoLog(length, glGetShaderInfoLog, shader);
}

std::string programInfoLog(GLuint program)
{
    GLint length = 0;
    glGetProgramiv(program, GL_INFO_LOG_LENGTH, &length);
    return readInfoLog(length, glGetProgramInfoLog, program);
}

} // namespace

Shader::Shader(std::string vertexPath, std::string fragmentPath)
    : vertexShader(std::move(vertexPath)), fragmentShader(std::move(fragmentPath))
{
    linkProgram();
}

Shader::Shader()
    : vertexShader(DefaultVertexSource), fragmentShader(DefaultFragmentSource),
      inlineSources(true)
{
    linkProgram();
}

Shader::~Shader()
{
    glUseProgram(0);
    glDeleteProgram(program);
}

void Shader::use() const
{
    glUseProgram(program);
}

int Shader::uniformLocation(std::string name)
{
    const auto cached = uniformLocations.find(name);
    if (cached != uniformLocations.end())
        return cached->second;
    const int location = glGetUniformLocation(program, name.c_str());
    uniformLocations.emplace(std::move(name), location);
    return location;
}

void Shader::setUniform(std::string name, const glm::mat3& value)
{
    const int location = uniformLocation(std::move(name));
    if (location != -1)
        glUniformMatrix3fv(location, 1, GL_FALSE, glm::value_ptr(value));
}

void Shader::setUniform(std::string name, const glm::mat4& value)
{
    const int location = uniformLocation(std::move(name));
    if (location != -1)
        glUniformMatrix4fv(location, 1, GL_FALSE, glm::value_ptr(value));
}

void Shader::setUniform(std::string name, const glm::vec3& value)
{
    const int location = uniformLocation(std::move(name));
    if (location != -1)
        glUniform3f(location, value.x, value.y, value.z);
}

void Shader::setUniform(std::string name, int value)
{
    const int location = uniformLocation(std::move(name));
    if (location != -1)
        glUniform1i(location, value);
}

void Shader::setUniform(std::string name, float value)
{
    const int location = uniformLocation(std::move(name));
    if (location != -1)
        glUniform1f(location, value);
}

void Shader::linkProgram()
{
    const GLuint vertex = compileStage(vertexShader, GL_VERTEX_SHADER);
    const GLuint fragment = compileStage(fragmentShader, GL_FRAGMENT_SHADER);
    program = glCreateProgram();
    glAttachShader(program, vertex);
    glAttachShader(program, fragment);
    glLinkProgram(program);

    GLint linked = 0;
    glGetProgramiv(program, GL_LINK_STATUS, &linked);
    if (linked == 0) {
        const std::string log = programInfoLog(program);
        glDeleteProgram(program);
        glDeleteShader(vertex);
        glDeleteShader(fragment);
        fatalError({"Failed to link shader program:", log});
    }
    glDetachShader(program, vertex);
    glDetachShader(program, fragment);
    glDeleteShader(vertex);
    glDeleteShader(fragment);
}

std::string Shader::stageSource(const std::string& stage) const
{
    if (inlineSources)
        return stage;
    const std::string resolved = findShaderFile(stage);
    std::ifstream file(resolved);
    if (!file.is_open())
        fatalError("Unable to load file[" + resolved + "]!");
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

unsigned Shader::compileStage(const std::string& stage, unsigned stageType) const
{
    const std::string source = stageSource(stage);
    const GLuint shader = glCreateShader(stageType);
    if (shader == 0)
        fatalError("Failed to create " + std::to_string(stageType));

    const GLchar* text = source.c_str();
    glShaderSource(shader, 1, &text, nullptr);
    glCompileShader(shader);
    GLint compiled = 0;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &compiled);
    if (compiled == 0 || glIsShader(shader) == GL_FALSE) {
        const std::string log = shaderInfoLog(shader);
        glDeleteShader(shader);
        fatalError({"Failed to compile shader: " + stage, log});
    }
    if (!inlineSources)
        printLine("Read shader: " + stage);
    return shader;
}
