#include "app/render_passes.h"

#include <string>
#include <vector>

#include <GL/glew.h>
#include <glm/mat3x3.hpp>

#include "app/level.h"
#include "app/lighting.h"
#include "app/shadow_map.h"
#include "framework/gpu_layout.h"
#include "scene/static_light.h"

namespace {

const glm::mat4 Identity{1.0f};

// "finalBonesMatrices[0]" ... "finalBonesMatrices[99]", built once.
const std::vector<std::string>& boneMatrixNames()
{
    static const std::vector<std::string> names = [] {
        std::vector<std::string> list;
        for (int i = 0; i < MaxBones; ++i)
            list.push_back("finalBonesMatrices[" + std::to_string(i) + "]");
        return list;
    }();
    return names;
}

}  // namespace

void renderShadowPass(const Level& level, const glm::mat4& lightSpace)
{
    if (!level.shadowMap.castsShadows())
        return;
    Shader& depth = *level.depthProgram;
    depth.use();
    depth.setUniform("lightSpaceMatrix", lightSpace);
    depth.setUniform("modelMatrix", Identity);

    glViewport(0, 0, level.shadowMap.size, level.shadowMap.size);
    glBindFramebuffer(GL_FRAMEBUFFER, level.shadowMap.framebuffer);
    glCullFace(GL_FRONT);
    glClear(GL_DEPTH_BUFFER_BIT);

    // Torches, lava and skeleton cast no shadow.
    level.door.draw(level.depthProgram);
    level.map.draw(level.depthProgram);
    level.podium.draw(level.depthProgram);
    level.riddle.draw(level.depthProgram);
    for (const Spider& spider : level.spiders)
        spider.drawWithMatrix(level.depthProgram);

    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glCullFace(GL_BACK);
}

void bakeStaticLight(Level& level)
{
    // The shadow light and everything in its box are fixed, so this shadow map
    // holds for the whole run.
    const glm::mat4 lightSpace = shadowLightSpaceMatrix();
    renderShadowPass(level, lightSpace);
    glActiveTexture(GL_TEXTURE0 + ShadowMapTextureUnit);
    glBindTexture(GL_TEXTURE_2D, level.shadowMap.depthTexture);
    level.lightGridTexture->bind();

    Shader& program = *level.modelProgram;
    program.use();
    program.setUniform("lightSpaceMatrix", lightSpace);
    program.setUniform("shadowMap", ShadowMapTextureUnit);
    level.staticLight->bake(level.modelProgram);
}

void prepareVisiblePass(const Level& level, int width, int height)
{
    glViewport(0, 0, width, height);
    glActiveTexture(GL_TEXTURE0 + ShadowMapTextureUnit);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glBindTexture(GL_TEXTURE_2D, level.shadowMap.depthTexture);
    level.lightGridTexture->bind();
    if (level.staticLight)
        level.staticLight->bind();
    glActiveTexture(GL_TEXTURE0);
}

void setModelProgramUniforms(Level& level, const FrameView& frame)
{
    Shader& program = *level.modelProgram;
    program.use();
    program.setUniform("viewProjMatrix", frame.viewProjection);
    program.setUniform("modelMatrix", Identity);
    program.setUniform("cameraPos", frame.cameraPosition);
    program.setUniform("lightSpaceMatrix", frame.lightSpace);
    program.setUniform("shadowMap", ShadowMapTextureUnit);
    program.setUniform("enableHaze", frame.hazeEnabled ? 1 : 0);
}

void setSkinningProgramUniforms(Level& level, const FrameView& frame)
{
    Shader& program = *level.skinningProgram;
    program.use();
    uploadLightingConstants(program, level.torchLights);
    program.setUniform("viewProjMatrix", frame.viewProjection);
    program.setUniform("cameraPos", frame.cameraPosition);
    program.setUniform("lightSpaceMatrix", frame.lightSpace);
    program.setUniform("modelMatrix", Identity);
    program.setUniform("shadowMap", ShadowMapTextureUnit);
    program.setUniform("enableHaze", frame.hazeEnabled ? 1 : 0);
    // The placement is a pure translation, so this is the identity; kept general.
    const glm::mat3 normalMatrix = glm::transpose(glm::mat3(glm::inverse(level.skeletonPlacement)));
    program.setUniform("normalMatrix", normalMatrix);
    program.setUniform(LightingModeUniform, static_cast<int>(frame.lighting.others));
}

void drawAnimatedSkeleton(Level& level, float deltaTime)
{
    const std::vector<glm::mat4> previousPose = level.animationPlayer.copyBoneMatrices();
    level.animationPlayer.advance(deltaTime);

    Shader& program = *level.skinningProgram;
    const std::vector<std::string>& names = boneMatrixNames();
    for (std::size_t i = 0; i < previousPose.size() && i < names.size(); ++i)
        program.setUniform(names[i], previousPose[i]);

    program.setUniform("modelMatrix", level.skeleton.modelMatrix);
    level.skeleton.model.draw(level.skinningProgram);
}

void drawVisibleLevel(const Level& level, bool showMap, const SceneLighting& lighting)
{
    Shader& program = *level.modelProgram;
    program.use();
    program.setUniform("modelMatrix", Identity);
    program.setUniform(LightingModeUniform, static_cast<int>(lighting.others));
    level.torches.draw(level.modelProgram);
    program.setUniform(LightingModeUniform, static_cast<int>(lighting.staticScenery));
    level.door.draw(level.modelProgram);
    if (showMap)
        level.map.draw(level.modelProgram);
    level.lava.draw(level.modelProgram);
    level.podium.draw(level.modelProgram);
    level.riddle.draw(level.modelProgram);
    program.setUniform(LightingModeUniform, static_cast<int>(lighting.others));
    for (const Spider& spider : level.spiders)
        spider.drawWithMatrix(level.modelProgram);
}
