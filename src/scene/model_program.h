// The program that draws the level ("assets/shaders/model.*"): the torches, the
// static scenery and the spiders, lit per pixel or from the stored light, and
// the bake that stores that light. Owns its Shader (one GL program per lighting
// mode it was built for); every uniform's slot is looked up once, when it is built.
#pragma once

#include <vector>

#include <glm/mat4x4.hpp>

#include "scene/lit_program.h"
#include "scene/model.h"

// The visible pass's draws with this program, in drawing order.
struct VisibleDraws {
    LightingMode staticSceneryLighting = LightingMode::Stored;
    LightingMode othersLighting = LightingMode::PerPixel;
    std::vector<const Model*> fixedOthers;    // fixed, yet lit like the moving things (the torches)
    std::vector<const Model*> staticScenery;  // lit the static scenery's way
    std::vector<PlacedModel> moving;          // lit like the others, each with its own matrix
};

class ModelProgram : public LitProgram {
public:
    explicit ModelProgram(ProgramTarget target);

    // Start-up, with the lighting constants and the light grid: "staticLight"
    // and "staticLightTorches", the atlas's texture units.
    void setStaticLightSamplers();

    // Before the bake: "lightSpaceMatrix" and "shadowMap" (its texture unit).
    void setShadowLight(const glm::mat4& lightSpace);
    // The bake's draws into the bound atlas: the Bake variant, "modelMatrix" =
    // identity, then each of `models`.
    void drawForBake(const std::vector<const Model*>& models);

    // The frame's values, in this order: "viewProjMatrix", "modelMatrix"
    // (identity), "cameraPos", "lightSpaceMatrix", "shadowMap", "enableHaze".
    void setFrame(const LitFrame& frame);

    // "modelMatrix" = identity; the fixed others, then the static scenery, then
    // per moving model its "modelMatrix" and its draw, each group in its lighting.
    void drawVisible(const VisibleDraws& draws);

private:
    UniformSlot staticLightSlot;
    UniformSlot staticLightTorchesSlot;
};
