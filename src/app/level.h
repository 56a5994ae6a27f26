// Everything the level consists of, built in one fixed order and released in
// the reverse order.
//
// The members are declared in the order of creation, so construction follows the
// start-up sequence line by line and destruction releases the level backwards:
// the camera, the static light, shadow map, light grid and torch list, then the
// player, riddle, podium, animation, skeleton, spiders, lava, door, torches and
// map, then the textures, the controller manager and the shader programs. The
// GL objects of models and the shadow map are never deleted (they go with the
// context); the collision objects go with the controller manager and the
// physics world.
#pragma once

#include <memory>
#include <vector>

#include <glm/mat4x4.hpp>
#include <glm/vec3.hpp>

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
#include "scene/light_grid.h"
#include "scene/light_grid_texture.h"
#include "scene/model.h"
#include "scene/static_light.h"

class GameClock;

class Level {
public:
    // With `storeStaticLight` the fixed light of the static scenery is baked
    // once here; without it every fragment is lit per pixel.
    Level(const StartupSettings& settings, GameClock& clock, bool storeStaticLight);
    Level(const Level&) = delete;
    Level& operator=(const Level&) = delete;

    // Shader programs. Only model, depth and skinning draw; texture and quad
    // are built so that a broken file shows up at start-up.
    std::shared_ptr<Shader> textureProgram;
    std::shared_ptr<Shader> modelProgram;
    std::shared_ptr<Shader> depthProgram;
    std::shared_ptr<Shader> quadProgram;
    std::shared_ptr<Shader> skinningProgram;

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
    // The few nearest torches of each floor cell, so that a fragment only loops
    // over the lights that can reach it.
    LightGrid lightGrid;
    std::unique_ptr<LightGridTexture> lightGridTexture;
    ShadowMap shadowMap;
    // Map, door, lava, podium and riddle lit once; null when lit per pixel
    // (asked for, or the driver refused the atlas's framebuffer).
    std::unique_ptr<StaticLight> staticLight;
    Camera camera;

    glm::mat4 skeletonPlacement{1.0f};  // translation to the skeleton's start, for its normals
    // Frame clock at the end of assembly (seconds): the first frame's time step counts from here.
    float assembledAt = 0.0f;
};
