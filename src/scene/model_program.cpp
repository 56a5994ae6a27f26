#include "scene/model_program.h"

#include <utility>

#include "framework/gpu_layout.h"
#include "scene/static_light.h"

namespace {

const glm::mat4 Identity{1.0f};

}  // namespace

ModelProgram::ModelProgram(ProgramTarget program)
    : LitProgram(std::move(program)), staticLightSlot(uniforms.slot(StaticLightUniform)),
      staticLightTorchesSlot(uniforms.slot(StaticLightTorchesUniform))
{
}

void ModelProgram::setStaticLightSamplers()
{
    uniforms.use();
    uniforms.set(staticLightSlot, StaticLightTextureUnit);
    uniforms.set(staticLightTorchesSlot, StaticLightTorchesTextureUnit);
}

void ModelProgram::setShadowLight(const glm::mat4& lightSpace)
{
    uniforms.use();
    uniforms.set(lit.lightSpace, lightSpace);
    uniforms.set(lit.shadowMap, ShadowMapTextureUnit);
}

void ModelProgram::drawForBake(const std::vector<const Model*>& models)
{
    uniforms.use();
    selectLighting(LightingMode::Bake);
    uniforms.set(lit.modelMatrix, Identity);
    for (const Model* model : models)
        target.draw(*model);
}

void ModelProgram::setFrame(const LitFrame& frame)
{
    uniforms.use();
    uniforms.set(lit.viewProjection, frame.viewProjection);
    uniforms.set(lit.modelMatrix, Identity);
    uniforms.set(lit.cameraPosition, frame.cameraPosition);
    uniforms.set(lit.lightSpace, frame.lightSpace);
    uniforms.set(lit.shadowMap, ShadowMapTextureUnit);
    uniforms.set(lit.enableHaze, frame.hazeEnabled ? 1 : 0);
}

void ModelProgram::drawVisible(const VisibleDraws& draws)
{
    uniforms.use();
    uniforms.set(lit.modelMatrix, Identity);
    selectLighting(draws.othersLighting);
    for (const Model* model : draws.fixedOthers)
        target.draw(*model);
    selectLighting(draws.staticSceneryLighting);
    for (const Model* model : draws.staticScenery)
        target.draw(*model);
    selectLighting(draws.othersLighting);
    for (const PlacedModel& placed : draws.moving) {
        uniforms.set(lit.modelMatrix, placed.modelMatrix);
        target.draw(*placed.model);
    }
}
