#include "app/level.h"

#include <algorithm>
#include <cstdint>

#include <GL/glew.h>
#include <glm/gtc/matrix_transform.hpp>

#include "app/lighting.h"
#include "app/render_passes.h"
#include "app/replay/game_clock.h"
#include "framework/asset_search.h"
#include "game/level_creatures.h"
#include "physics/physics_world.h"
#include "scene/lighting_mode.h"
#include "scene/model_file_reader.h"
#include "scene/static_light_file.h"
#include "scene/static_light_prefetch.h"

namespace {

const char* const MapModelPath = "assets/geometry/map/Map.obj";
const char* const TorchesModelPath = "assets/geometry/torches/Torches.obj";
const char* const DoorModelPath = "assets/geometry/door/Door.obj";
const char* const LavaModelPath = "assets/geometry/lava/Lava.obj";
const char* const PodiumModelPath = "assets/geometry/podium/Podium.obj";
const char* const RiddleModelPath = "assets/geometry/riddle/Riddle.obj";

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

// One program per lighting mode its draws use (see ShaderVariants): each
// variant costs its compile at start-up, so only these.
std::shared_ptr<Shader> loadLitProgram(const std::string& name, std::vector<LightingMode> modes)
{
    std::sort(modes.begin(), modes.end());
    modes.erase(std::unique(modes.begin(), modes.end()), modes.end());
    const std::string stem = "assets/shaders/" + name;
    return std::make_shared<Shader>(stem + ".vert", stem + ".frag", lightingModeVariants(modes));
}

// A level model with one static collider per mesh (no controller manager).
Model loadStaticModel(ModelFileReader& files, const std::string& path)
{
    return Model(files.take(path), PhysicsWorld::scene.get(), nullptr, false, LevelObjScale, 1.0f, 1.0f);
}

// A model that is only drawn.
Model loadScenery(ModelFileReader& files, const std::string& path)
{
    return Model(files.take(path), false, LevelObjScale);
}

// A creature's own model load, with its own capsule.
Model loadCreatureModel(ModelFileReader& files, const CreatureBody& body, ControllerManager& manager)
{
    return Model(files.take(body.modelFile), PhysicsWorld::scene.get(), &manager, false, body.scale,
                 body.capsuleRadiusFactor, body.capsuleHeightFactor);
}

// Spiders are loaded one by one, each model followed by its spider, and each
// load gets its own capsule. The models are kept beside their spiders.
std::vector<Spider> loadSpiders(ModelFileReader& files, ControllerManager& manager,
                                std::vector<Model>& models)
{
    std::vector<Spider> spiders;
    models.reserve(LevelSpiders.size());
    spiders.reserve(LevelSpiders.size());
    for (const CreaturePlacement& spider : LevelSpiders) {
        models.push_back(loadCreatureModel(files, spider.body, manager));
        spiders.emplace_back(models.back(), spider.start, spider.patrolAxis, spider.patrolDistance);
    }
    return spiders;
}

// The static scenery's mode, the others', and the bake when the light is stored.
std::vector<LightingMode> modelProgramModes(const SceneLighting& lighting)
{
    std::vector<LightingMode> modes{lighting.staticScenery, lighting.others};
    if (lighting.staticScenery == LightingMode::Stored)
        modes.push_back(LightingMode::Bake);
    return modes;
}

// Everything the stored light is made of: the game's build (its code and every
// constant in it: lights, atlas settings, the shadow light), the GL driver,
// the shaders the bake draws with, and the geometry it draws: the static
// scenery into the atlas, and the shadow casters (the spiders where they stand
// at the bake) into the shadow map.
std::uint64_t staticLightKey(const Level& level)
{
    StaticLightKey key;
    key.add(executableBuildId());
    for (const GLenum name : {GL_VENDOR, GL_RENDERER, GL_VERSION})
        key.add(reinterpret_cast<const char*>(glGetString(name)));
    for (const char* shader : {"model.vert", "model.frag", "depth.vert", "depth.frag"})
        key.add(readShaderSource(std::string("assets/shaders/") + shader).text);  // with what they include
    std::vector<const Model*> drawn{&level.map, &level.door, &level.lava, &level.podium, &level.riddle};
    for (const Model& spider : level.spiderModels)
        drawn.push_back(&spider);
    for (const Model* model : drawn)
        for (const Mesh& mesh : model->meshes) {
            key.addValues(mesh.vertices);
            key.addValues(mesh.indices);
        }
    for (const Spider& spider : level.spiders)
        key.add(&spider.modelMatrix, sizeof spider.modelMatrix);
    return key.value();
}

// The light stored by an earlier start when it was made of the same things;
// otherwise a bake, stored for the next start (where the user has a cache folder).
void loadOrBakeStaticLight(Level& level, StaticLightPrefetch& storedLight)
{
    StaticLight& light = *level.staticLight;
    const std::string& cache = storedLight.path();
    const std::uint64_t key = cache.empty() ? 0 : staticLightKey(level);
    if (!cache.empty()) {
        if (const auto stored = storedLight.take(key, light.width(), light.height())) {
            light.load(*stored);
            return;
        }
    }
    bakeStaticLight(level);
    if (cache.empty())
        return;
    // Not writing it only costs the next start a bake: nothing to report.
    if (const auto texels = light.texels())
        writeStaticLightFile(cache, key, *texels);
}

}  // namespace

std::vector<std::string> levelModelPaths()
{
    std::vector<std::string> paths{MapModelPath, TorchesModelPath, DoorModelPath, LavaModelPath};
    for (const CreaturePlacement& spider : LevelSpiders)
        paths.push_back(spider.body.modelFile);
    paths.insert(paths.end(), {LevelSkeleton.body.modelFile, PodiumModelPath, RiddleModelPath});
    return paths;
}

Level::Level(const StartupSettings& settings, GameClock& clock, const SceneLighting& modes,
             ModelFileReader& files, StaticLightPrefetch& storedLight)
    : textureProgram(loadProgram("texture")), modelProgram(loadLitProgram("model", modelProgramModes(modes))),
      depthProgram(loadProgram("depth")), quadProgram(loadProgram("quad")),
      // The skeleton moves: it is never stored or baked.
      skinningProgram(loadLitProgram("skinning", {modes.others})),
      controllerManager(std::make_unique<ControllerManager>(*PhysicsWorld::scene)),
      woodTexture(std::make_shared<Texture>("assets/textures/wood_texture.dds")),
      tilesTexture(std::make_shared<Texture>("assets/textures/tiles_diffuse.dds")),
      map(loadStaticModel(files, MapModelPath)), torches(loadScenery(files, TorchesModelPath)),
      door(loadStaticModel(files, DoorModelPath)), lava(loadScenery(files, LavaModelPath)), spiderModels(),
      spiders(loadSpiders(files, *controllerManager, spiderModels)),
      skeletonModel(loadCreatureModel(files, LevelSkeleton.body, *controllerManager)),
      skeleton(skeletonModel, LevelSkeleton.start),
      animationClip(findAssetFile(LevelSkeleton.body.modelFile), skeletonModel),
      animationPlayer(&animationClip), podium(loadStaticModel(files, PodiumModelPath)),
      riddle(loadStaticModel(files, RiddleModelPath)),
      player(*controllerManager, PlayerStart, clock.steadyNanoseconds()), torchLights(::torchLights()),
      lightingConstants(levelLightingConstants(torchLights)), lightGrid(buildLightGrid(torchLights)),
      lightGridTexture(std::make_unique<LightGridTexture>(lightGrid)), shadowMap(createShadowMap()),
      lighting(modes)
{
    modelProgram.setLightingConstants(lightingConstants);
    modelProgram.setLightGrid(lightGrid);
    // The skinning program gets the lighting constants every frame; the grid
    // never changes, so once is enough.
    skinningProgram.setLightGrid(lightGrid);
    if (lighting.staticScenery == LightingMode::Stored) {
        staticLight = std::make_unique<StaticLight>(
            std::vector<const Model*>{&map, &door, &lava, &podium, &riddle}, staticLightAtlasSettings());
        // An atlas the driver refused cannot be baked: the static scenery is
        // lit like the rest, whose variant the model program already has.
        if (!staticLight->isComplete()) {
            staticLight.reset();
            lighting.staticScenery = lighting.others;
        }
    }
    if (staticLight) {
        modelProgram.setStaticLightSamplers();
        loadOrBakeStaticLight(*this, storedLight);
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
