// Everything the level consists of, built in one fixed order and released in
// the reverse order.
//
// The members are declared in the order of creation, so construction follows the
// start-up sequence line by line and destruction releases the level backwards:
// the camera, the static light, shadow map, light grid, lighting constants and
// torch list, then the player, riddle, podium, animation, skeleton, spiders,
// lava, door, torches and map, then the textures, the controller manager and
// the shader programs. The
// GL objects of models and the shadow map are never deleted (they go with the
// context); the collision objects go with the controller manager and the
// physics world.
#pragma once

#include <memory>
#include <vector>

#include <glm/mat4x4.hpp>
#include <glm/vec3.hpp>

#include "app/render_passes.h"
#include "app/shadow_map.h"
#include "app/startup_settings.h"
#include "framework/shader.h"
#include "framework/texture.h"
#include "game/camera.h"
#include "game/player.h"
#include "game/skeleton.h"
#include "game/spider.h"
#include "physics/character_controller.h"
#include "scene/animation/animation_clip.h"
#include "scene/animation/animation_player.h"
#include "scene/depth_program.h"
#include "scene/light_grid.h"
#include "scene/light_grid_texture.h"
#include "scene/lit_program.h"
#include "scene/model.h"
#include "scene/model_program.h"
#include "scene/skinning_program.h"
#include "scene/stand_in_texture.h"
#include "scene/static_light.h"

class GameClock;
class ModelFileReader;
class StaticLightPrefetch;

// The model files the level is built from, in the order it builds them (the
// spider's four times), for a ModelFileReader.
std::vector<std::string> levelModelPaths();

class Level {
public:
    // The model and skinning programs are built for the modes of `lighting`
    // only. When the static scenery reads stored light, it comes from
    // `storedLight` when that holds a bake of this level, and is baked here
    // (and stored at its path) otherwise. Each model is built from `files`'
    // read of its file.
    Level(const StartupSettings& settings, GameClock& clock, const SceneLighting& lighting,
          ModelFileReader& files, StaticLightPrefetch& storedLight);
    Level(const Level&) = delete;
    Level& operator=(const Level&) = delete;

    // Shader programs. Only model, depth and skinning draw; texture and quad
    // are built so that a broken file shows up at start-up.
    std::shared_ptr<Shader> textureProgram;
    ModelProgram modelProgram;
    DepthProgram depthProgram;
    std::shared_ptr<Shader> quadProgram;
    SkinningProgram skinningProgram;

    std::unique_ptr<ControllerManager> controllerManager;

    // Loaded at start-up; nothing binds them afterwards.
    std::shared_ptr<Texture> woodTexture;
    std::shared_ptr<Texture> tilesTexture;

    Model map;
    Model torches;
    Model door;
    Model lava;
    std::vector<Model> spiderModels;
    std::vector<Spider> spiders;
    Model skeletonModel;
    Skeleton skeleton;
    AnimationClip animationClip;  // reads the skeleton model's bone table; never moves
    AnimationPlayer animationPlayer;
    Model podium;
    Model riddle;
    Player player;

    std::vector<glm::vec3> torchLights;
    LightingConstants lightingConstants;  // the torches above and the other fixed lights
    // The few nearest torches of each floor cell, so that a fragment only loops
    // over the lights that can reach it.
    LightGrid lightGrid;
    std::unique_ptr<LightGridTexture> lightGridTexture;
    ShadowMap shadowMap;
    StandInTexture standInTexture;
    SceneLighting lighting;
    // Map, door, lava, podium and riddle lit once; null when lit per pixel
    // (asked for, or the driver refused the atlas's framebuffer).
    std::unique_ptr<StaticLight> staticLight;
    Camera camera;

    glm::mat4 skeletonPlacement{1.0f};  // translation to the skeleton's start, for its normals
    // Frame clock at the end of assembly (seconds): the first frame's time step counts from here.
    float assembledAt = 0.0f;
};
