#include "app/render_passes.h"

#include <vector>

#include <GL/glew.h>
#include <glm/mat3x3.hpp>

#include "app/level.h"
#include "app/shadow_map.h"
#include "framework/gpu_layout.h"
#include "scene/static_light.h"

namespace {

// The spiders where this frame draws them.
std::vector<PlacedModel> placedSpiders(const Level& level)
{
    std::vector<PlacedModel> placed;
    for (const Spider& spider : level.spiders)
        placed.push_back({&spider.model, spider.modelMatrix});
    return placed;
}

}  // namespace

SceneLighting sceneLighting(bool unlit, bool storeStaticLight)
{
    SceneLighting lighting;
    if (unlit) {
        lighting.staticScenery = LightingMode::None;
        lighting.others = LightingMode::None;
    } else if (!storeStaticLight) {
        lighting.staticScenery = LightingMode::PerPixel;
    }
    return lighting;
}

void clearColourAndDepth()
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
}

void renderShadowPass(Level& level, const glm::mat4& lightSpace)
{
    if (!level.shadowMap.castsShadows())
        return;
    level.depthProgram.setShadowLight(lightSpace);
    glViewport(0, 0, level.shadowMap.size, level.shadowMap.size);
    glCullFace(GL_FRONT);

    // Torches, lava and skeleton cast no shadow.
    startShadowPass(level.shadowMap, [&level] {
        ShadowCasters fixed;
        fixed.fixed = {&level.door, &level.map, &level.podium, &level.riddle};
        level.depthProgram.drawShadowCasters(fixed);
    });
    ShadowCasters moving;
    moving.moving = placedSpiders(level);
    level.depthProgram.drawShadowCasters(moving);

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

    level.modelProgram.setShadowLight(lightSpace);
    level.staticLight->bake(level.modelProgram);
}

void prepareVisiblePass(const Level& level, int width, int height)
{
    glViewport(0, 0, width, height);
    glActiveTexture(GL_TEXTURE0 + ShadowMapTextureUnit);
    clearColourAndDepth();
    glBindTexture(GL_TEXTURE_2D, level.shadowMap.depthTexture);
    level.lightGridTexture->bind();
    level.standInTexture.bind();
    if (level.staticLight)
        level.staticLight->bind();
    glActiveTexture(GL_TEXTURE0);
}

void setModelProgramUniforms(Level& level, const LitFrame& frame)
{
    level.modelProgram.setFrame(frame);
}

void setSkinningProgramUniforms(Level& level, const LitFrame& frame, const SceneLighting& lighting)
{
    // The placement is a pure translation, so this is the identity; kept general.
    const glm::mat3 normalMatrix = glm::transpose(glm::mat3(glm::inverse(level.skeletonPlacement)));
    level.skinningProgram.setFrame(level.lightingConstants, frame, normalMatrix);
    level.skinningProgram.selectLighting(lighting.others);
}

void advanceAndDrawSkeleton(Level& level, float deltaTime)
{
    const std::vector<glm::mat4> previousPose = level.animationPlayer.copyBoneMatrices();
    level.animationPlayer.advance(deltaTime);
    level.skinningProgram.drawPosed(level.skeleton.model, previousPose, level.skeleton.modelMatrix);
}

void drawVisibleLevel(Level& level, bool showMap, const SceneLighting& lighting)
{
    VisibleDraws draws;
    draws.staticSceneryLighting = lighting.staticScenery;
    draws.othersLighting = lighting.others;
    draws.fixedOthers = {&level.torches};
    draws.staticScenery = {&level.door};
    if (showMap)
        draws.staticScenery.push_back(&level.map);
    draws.staticScenery.insert(draws.staticScenery.end(), {&level.lava, &level.podium, &level.riddle});
    draws.moving = placedSpiders(level);
    level.modelProgram.drawVisible(draws);
}
