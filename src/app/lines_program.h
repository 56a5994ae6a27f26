// The physics view's program ("assets/shaders/lines.*"): flat-coloured lines,
// optionally pulled towards the camera. Owns its Shader; its three uniforms are
// looked up once, when it is built.
#pragma once

#include <memory>

#include <glm/mat4x4.hpp>
#include <glm/vec3.hpp>

#include "framework/uniform_target.h"

class Shader;

class LinesProgram {
public:
    LinesProgram();
    ~LinesProgram();

    void use() const;
    void setViewProjection(const glm::mat4& viewProjection);
    // Pulls the lines towards the eye by this share of the depth range, so an
    // edge lying on a drawn surface is not hidden by that surface.
    void setDepthBias(float bias);
    void setLineColor(const glm::vec3& color);  // linear RGB

private:
    std::unique_ptr<Shader> shader;
    UniformSlot viewProjectionSlot;
    UniformSlot depthBiasSlot;
    UniformSlot lineColorSlot;
};
