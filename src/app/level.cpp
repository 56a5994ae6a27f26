#include "app/level.h"

#include <GL/glew.h>
#include <glm/gtc/matrix_transform.hpp>

#include "app/lighting.h"
#include "app/render_passes.h"
#include "app/replay/game_clock.h"
#include "framework/asset_search.h"
#include "game/level_creatures.h"
#include "physics/physics_world.h"
#include "scene/lighting_mode.h"

namespace {

const glm::vec3 PlayerStart{4.0f, 2.5f, 4.0f};

// Torch pools fade over metres: four texels a unit carry them. The lava light's
// shadow edge around the pit wants finer ones.
LightAtlasSettings staticLightAtlasSettings()
{
    LightAtlasSettings settings;
    settings.texelsPerUnit = 4.0f;
    settings.fineTexelsPerUnit = 12.0f;
    settings.fineCentre = LavaMidpoint;
    settings.fineRadius = LavaRadius;
    return settings;
}

std::shared_ptr<Shader> loadProgram(const std::string& name)
{
    const std::string stem = "assets/shaders/" + name;
    return std::make_shared<Shader>(stem + ".vert", stem + ".frag");
}

// One program per lighting mode its draws use (see ShaderVariants).
std::shared_ptr<Shader> loadLitProgram(const std::string& name, std::vector<LightingMode> modes)
{
    const std::string stem = "assets/shaders/" + name;
    return std::make_shared<Shader>(stem + ".vert", stem + ".frag", lightingModeVariants(modes));
}

// A level model with one static collider per mesh (no controller manager).
Model loadStaticModel(const std::string& path)
{
    return Model(findAssetFile(path), PhysicsWorld::scene.get(), nullptr, false, LevelObjScale, 1.0f, 1.0f);
}

// A model that is only drawn.
Model loadScenery(const std::string& path)
{
    return Model(findAssetFile(path), false, LevelObjScale);
}

// A creature's own model load, with its own capsule.
Model loadCreatureModel(const CreatureBody& body, ControllerManager& manager)
{
    return Model(findAssetFile(body.modelFile), PhysicsWorld::scene.get(), &manager, false, body.scale,
                 body.capsuleRadiusFactor, body.capsuleHeightFactor);
}

// Spiders are loaded one by one, each model followed by its spider, and each
// load gets its own capsule. The models are kept beside their spiders.
std::vector<Spider> loadSpiders(ControllerManager& manager, std::vector<Model>& models)
{
    std::vector<Spider> spiders;
    models.reserve(LevelSpiders.size());
    spiders.reserve(LevelSpiders.size());
    for (const CreaturePlacement& spider : LevelSpiders) {
        models.push_back(loadCreatureModel(spider.body, manager));
        spiders.emplace_back(models.back(), spider.start, spider.patrolAxis, spider.patrolDistance);
    }
    return spiders;
}

}  // namespace

Level::Level(const StartupSettings& settings, GameClock& clock, bool storeStaticLight)
    : textureProgram(loadProgram("texture")),
      modelProgram(loadLitProgram(
          "model", {LightingMode::PerPixel, LightingMode::Stored, LightingMode::Bake, LightingMode::None})),
      depthProgram(loadProgram("depth")), quadProgram(loadProgram("quad")),
      // The skeleton moves: it is never stored or baked.
      skinningProgram(loadLitProgram("skinning", {LightingMode::PerPixel, LightingMode::None})),
      controllerManager(std::make_unique<ControllerManager>(*PhysicsWorld::scene)),
      woodTexture(std::make_shared<Texture>("assets/textures/wood_texture.dds")),
      tilesTexture(std::make_shared<Texture>("assets/textures/tiles_diffuse.dds")),
      map(loadStaticModel("assets/geometry/map/Map.obj")),
      torches(loadScenery("assets/geometry/torches/Torches.obj")),
      door(loadStaticModel("assets/geometry/door/Door.obj")),
      lava(loadScenery("assets/geometry/lava/Lava.obj")), spiderModels(),
      spiders(loadSpiders(*controllerManager, spiderModels)),
      skeletonModel(loadCreatureModel(LevelSkeleton.body, *controllerManager)),
      skeleton(skeletonModel, LevelSkeleton.start),
      animationClip(findAssetFile(LevelSkeleton.body.modelFile), skeletonModel),
      animationPlayer(&animationClip), podium(loadStaticModel("assets/geometry/podium/Podium.obj")),
      riddle(loadStaticModel("assets/geometry/riddle/Riddle.obj")),
      player(*controllerManager, PlayerStart, clock.steadyNanoseconds()), torchLights(::torchLights()),
      lightGrid(buildLightGrid(torchLights)), lightGridTexture(std::make_unique<LightGridTexture>(lightGrid)),
      shadowMap(createShadowMap())
{
    modelProgram->use();
    uploadLightingConstants(*modelProgram, torchLights);
    uploadLightGridUniforms(*modelProgram, lightGrid);
    // The skinning program gets the lighting constants every frame; the grid
    // never changes, so once is enough.
    skinningProgram->use();
    uploadLightGridUniforms(*skinningProgram, lightGrid);
    if (storeStaticLight) {
        staticLight = std::make_unique<StaticLight>(
            std::vector<const Model*>{&map, &door, &lava, &podium, &riddle}, staticLightAtlasSettings());
        // An atlas the driver refused cannot be baked: light every pixel instead.
        if (!staticLight->isComplete())
            staticLight.reset();
    }
    if (staticLight) {
        modelProgram->use();
        StaticLight::setSamplerUniforms(*modelProgram);
        bakeStaticLight(*this);
    }

    camera.setup(settings.camera.fovDegrees, aspectRatio(settings.window), settings.camera.nearPlane,
                 settings.camera.farPlane, settings.camera.yaw, settings.camera.pitch);

    assembledAt = static_cast<float>(clock.frameSeconds());
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);

    for (std::size_t i = 0; i < spiders.size(); ++i)
        spiders[i].turn(LevelSpiders[i].headingDegrees);
    skeleton.turn(LevelSkeleton.headingDegrees);

    const glm::dvec3 skeletonCentre = skeleton.model.controller ? skeleton.model.controller->getPosition()
                                                                : glm::dvec3(LevelSkeleton.start);
    skeletonPlacement = glm::translate(glm::mat4(1.0f), glm::vec3(skeletonCentre));
}
