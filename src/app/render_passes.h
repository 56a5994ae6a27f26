// The render passes of one frame: the depth-only shadow pass from the fixed
// light, then the visible pass with the model and skinning programs.
#pragma once

#include <glm/mat4x4.hpp>
#include <glm/vec3.hpp>

class Level;

// What every program of the visible pass needs to know about this frame.
struct FrameView {
    glm::mat4 viewProjection{1.0f};
    glm::vec3 cameraPosition{0.0f};
    glm::mat4 lightSpace{1.0f};
    bool hazeEnabled = true;
};

// Depth of door, map, podium, riddle and the spiders into the shadow map. Front
// faces are culled so that the surfaces facing away from the light write depth,
// which keeps shadow acne off the lit faces.
void renderShadowPass(const Level& level, const glm::mat4& lightSpace);

// Back to the window's framebuffer; the shadow map and the light grid are bound
// for the rest of the frame.
void prepareVisiblePass(const Level& level, int width, int height);

void setModelProgramUniforms(Level& level, const FrameView& frame);
void setSkinningProgramUniforms(Level& level, const FrameView& frame);

// Advances the animation by `deltaTime` and draws the skeleton with the bone
// matrices of the previous advance: the skinned mesh lags the clock by a frame.
void drawAnimatedSkeleton(Level& level, float deltaTime);

// Torches, door, map (unless hidden), lava, podium, riddle, then the spiders.
void drawVisibleLevel(const Level& level, bool showMap);
