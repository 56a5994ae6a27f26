#include "scene/skinning_program.h"

#include <string>
#include <utility>

#include "framework/gpu_layout.h"
#include "scene/model.h"

SkinningProgram::SkinningProgram(ProgramTarget program)
    : LitProgram(std::move(program)), normalMatrixSlot(uniforms.slot("normalMatrix"))
{
    for (int i = 0; i < MaxBones; ++i)
        boneMatrixSlots.push_back(uniforms.slot("finalBonesMatrices[" + std::to_string(i) + "]"));
}

void SkinningProgram::setFrame(const LightingConstants& lights, const LitFrame& frame,
                               const glm::mat3& normalMatrix)
{
    uniforms.use();
    uploadLightingConstants(lights);
    uniforms.set(lit.viewProjection, frame.viewProjection);
    uniforms.set(lit.cameraPosition, frame.cameraPosition);
    uniforms.set(lit.lightSpace, frame.lightSpace);
    uniforms.set(lit.modelMatrix, glm::mat4(1.0f));
    uniforms.set(lit.shadowMap, ShadowMapTextureUnit);
    uniforms.set(lit.enableHaze, frame.hazeEnabled ? 1 : 0);
    uniforms.set(normalMatrixSlot, normalMatrix);
}

void SkinningProgram::drawPosed(const Model& model, const std::vector<glm::mat4>& boneMatrices,
                                const glm::mat4& modelMatrix)
{
    uniforms.use();
    for (std::size_t i = 0; i < boneMatrices.size() && i < boneMatrixSlots.size(); ++i)
        uniforms.set(boneMatrixSlots[i], boneMatrices[i]);
    uniforms.set(lit.modelMatrix, modelMatrix);
    target.draw(model);
}
