#include "scene/depth_program.h"

#include <utility>

DepthProgram::DepthProgram(ProgramTarget program)
    : target(std::move(program)), lightSpaceSlot(target.uniforms().slot("lightSpaceMatrix")),
      modelMatrixSlot(target.uniforms().slot("modelMatrix"))
{
}

void DepthProgram::setShadowLight(const glm::mat4& lightSpace)
{
    UniformTarget& uniforms = target.uniforms();
    uniforms.use();
    uniforms.set(lightSpaceSlot, lightSpace);
    uniforms.set(modelMatrixSlot, glm::mat4(1.0f));
}

void DepthProgram::drawShadowCasters(const ShadowCasters& casters)
{
    UniformTarget& uniforms = target.uniforms();
    for (const Model* model : casters.fixed)
        target.draw(*model);
    for (const PlacedModel& caster : casters.moving) {
        uniforms.set(modelMatrixSlot, caster.modelMatrix);
        target.draw(*caster.model);
    }
}
