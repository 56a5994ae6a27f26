// The shadow pass's program ("assets/shaders/depth.*"): depth from the shadow
// light, nothing else. Owns its Shader; its two uniforms are looked up once.
#pragma once

#include <vector>

#include <glm/mat4x4.hpp>

#include "scene/model.h"
#include "scene/program_target.h"

// What casts a shadow, in drawing order.
struct ShadowCasters {
    std::vector<const Model*> fixed;  // drawn where they were modelled
    std::vector<PlacedModel> moving;  // each with its own matrix
};

class DepthProgram {
public:
    explicit DepthProgram(ProgramTarget target);

    // Makes the program current: "lightSpaceMatrix" = `lightSpace`, then
    // "modelMatrix" = identity.
    void setShadowLight(const glm::mat4& lightSpace);
    // Into the bound depth target: the fixed casters, then per moving caster
    // its "modelMatrix" and its draw.
    void drawShadowCasters(const ShadowCasters& casters);

    const std::shared_ptr<Shader>& shader() const { return target.shader(); }

private:
    ProgramTarget target;
    UniformSlot lightSpaceSlot;
    UniformSlot modelMatrixSlot;
};
