// The render passes of one frame: the depth-only shadow pass from the fixed
// light, then the visible pass with the model and skinning programs.
#pragma once

#include <glm/mat4x4.hpp>
#include <glm/vec3.hpp>

#include "scene/lighting_mode.h"

class Level;

// How the visible pass lights what it draws.
struct SceneLighting {
    // Map, door, lava, podium and riddle: the light baked at start-up.
    LightingMode staticScenery = LightingMode::Stored;
    // The spiders and the skeleton move; the torches stay per pixel too, for
    // their flames are a few pixels around each light.
    LightingMode others = LightingMode::PerPixel;
};

// What every program of the visible pass needs to know about this frame.
struct FrameView {
    glm::mat4 viewProjection{1.0f};
    glm::vec3 cameraPosition{0.0f};
    glm::mat4 lightSpace{1.0f};
    bool hazeEnabled = true;
    SceneLighting lighting;
};

// Depth of door, map, podium, riddle and the spiders into the shadow map. Front
// faces are culled so that the surfaces facing away from the light write depth,
// which keeps shadow acne off the lit faces. Draws nothing when the driver
// refused the shadow map's framebuffer.
void renderShadowPass(const Level& level, const glm::mat4& lightSpace);

// Renders the shadow map, then writes the fixed light of the static scenery into
// the level's static light atlas with the model program (once, at start-up).
void bakeStaticLight(Level& level);

// Back to the window's framebuffer; the shadow map, the light grid and the
// static light atlas are bound for the rest of the frame.
void prepareVisiblePass(const Level& level, int width, int height);

void setModelProgramUniforms(Level& level, const FrameView& frame);
void setSkinningProgramUniforms(Level& level, const FrameView& frame);

// Advances the animation by `deltaTime` and draws the skeleton with the bone
// matrices of the previous advance: the skinned mesh lags the clock by a frame.
void drawAnimatedSkeleton(Level& level, float deltaTime);

// Torches, door, map (unless hidden), lava, podium, riddle, then the spiders.
void drawVisibleLevel(const Level& level, bool showMap, const SceneLighting& lighting);
