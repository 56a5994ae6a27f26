// The render passes of one frame: the depth-only shadow pass from the fixed
// light, then the visible pass with the model and skinning programs. Each step
// hands the level's pieces to its typed program, which sets the uniforms.
#pragma once

#include <glm/mat4x4.hpp>

#include "scene/lighting_mode.h"
#include "scene/lit_program.h"

class Level;

// How the visible pass lights what it draws.
struct SceneLighting {
    // Map, door, lava, podium and riddle: the light baked at start-up.
    LightingMode staticScenery = LightingMode::Stored;
    // The spiders and the skeleton move; the torches stay per pixel too, for
    // their flames are a few pixels around each light.
    LightingMode others = LightingMode::PerPixel;
};

// `unlit` (--draw unlit) gives everything its base colour; otherwise the static
// scenery reads its stored light when `storeStaticLight`, and is lit per pixel
// like everything else when not.
SceneLighting sceneLighting(bool unlit, bool storeStaticLight);

// Clears the bound framebuffer's colour and depth, and its stencil with them
// though nothing draws into it: a software rasteriser keeps the stencil bits of
// a depth-only clear by rewriting every sample read-modify-write, where a clear
// of both is a plain fill (about a sixth of a frame at 800 x 800 with four
// samples).
void clearColourAndDepth();

// Depth of door, map, podium, riddle and the spiders into the shadow map (the
// fixed ones drawn on the first pass and copied on every later one). Front
// faces are culled so that the surfaces facing away from the light write depth,
// which keeps shadow acne off the lit faces. Draws nothing when the driver
// refused the shadow map's framebuffer.
void renderShadowPass(Level& level, const glm::mat4& lightSpace);

// Renders the shadow map, then writes the fixed light of the static scenery into
// the level's static light atlas with the model program (once, at start-up).
void bakeStaticLight(Level& level);

// Back to the window's framebuffer; the shadow map, the light grid and the
// static light atlas are bound for the rest of the frame.
void prepareVisiblePass(const Level& level, int width, int height);

// The frame's values on the model program.
void setModelProgramUniforms(Level& level, const LitFrame& frame);
// The lighting constants and the frame's values on the skinning program, and
// its variant for `lighting`.
void setSkinningProgramUniforms(Level& level, const LitFrame& frame, const SceneLighting& lighting);

// Advances the animation by `deltaTime` and draws the skeleton with the bone
// matrices of the previous advance: the skinned mesh lags the clock by a frame.
void advanceAndDrawSkeleton(Level& level, float deltaTime);

// Torches, door, map (unless hidden), lava, podium, riddle, then the spiders.
void drawVisibleLevel(Level& level, bool showMap, const SceneLighting& lighting);
