// A linked GLSL program made of one vertex and one fragment stage, with a cache of
// uniform locations. Every failure to read, compile or link ends the game after
// printing the driver's log. Needs a current OpenGL 4.1 core context with GLEW
// initialised; the game holds its programs through std::shared_ptr.
#pragma once

#include <string>
#include <unordered_map>

#include <glm/mat3x3.hpp>
#include <glm/mat4x4.hpp>
#include <glm/vec3.hpp>

class Shader {
public:
    // Builds the program from two relative asset paths ("assets/shaders/model.vert").
    // Prints "Read shader: <path>" per stage compiled from a file.
    Shader(std::string vertexPath, std::string fragmentPath);

    // Builds the framework's default program from its built-in source texts; silent.
    Shader();

    // Leaves no program current, whichever one was, and deletes this program.
    ~Shader();

    Shader(const Shader&) = delete;
    Shader& operator=(const Shader&) = delete;

    // Makes this program current.
    void use() const;

    // Location of the named uniform; -1 when the program has no such active uniform.
    // Each name costs one GL query per Shader, the first time it is asked for.
    int uniformLocation(std::string name);

    // Each setter writes to the currently bound program (call use() first) and
    // silently does nothing for a name without a location. Matrices are column-major.
    void setUniform(std::string name, const glm::mat3& value);
    void setUniform(std::string name, const glm::mat4& value);
    void setUniform(std::string name, const glm::vec3& value);
    void setUniform(std::string name, int value);
    void setUniform(std::string name, float value);

    unsigned program = 0;
    // Relative file paths, or the source texts themselves when inlineSources is true.
    std::string vertexShader;
    std::string fragmentShader;
    bool inlineSources = false;
    std::unordered_map<std::string, int> uniformLocations;

private:
    void linkProgram();
    unsigned compileStage(const std::string& stage, unsigned stageType) const;
    std::string stageSource(const std::string& stage) const;
};
