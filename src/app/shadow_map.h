// The depth texture the shadow pass renders into and the fixed light it sees from.
//
// The shadow light is not one of the torches: it stands above the lava pit's west
// edge and looks west across the podium and the riddle at the door.
#pragma once

#include <cstdint>
#include <functional>

#include <glm/mat4x4.hpp>
#include <glm/vec3.hpp>

constexpr int ShadowMapSize = 1024;      // texels per side

const glm::vec3 ShadowLightPosition{-3.2f, 2.5f, 5.4f};
const glm::vec3 ShadowLightTarget{-4.2f, 3.0f, 5.4f};
const glm::vec3 ShadowLightUp{0.0f, 1.0f, 0.0f};

// Orthographic box of the shadow light: +-10 across, 0.1 to 75 deep.
glm::mat4 shadowLightProjection();
// Light projection times the light's view.
glm::mat4 shadowLightSpaceMatrix();

// Depth framebuffer and its depth texture. Like the rest of the GL objects of
// the level they live until the context goes away.
//
// When the driver refuses the framebuffer there is none (0): the shadow pass
// draws nothing, and the depth texture is a single texel at the far plane, so
// every fragment reads as lit and the level is drawn without shadows.
//
// The light and the level's fixed casters never move, so their depth is drawn
// once into a texture of its own and copied into the map at the start of every
// pass, which then draws only what moves: redrawing the whole level into the
// map was a fixed cost of every frame, whatever its render scale. Where the
// driver refuses that texture's framebuffer (0), every pass draws everything.
struct ShadowMap {
    std::uint32_t framebuffer = 0;
    std::uint32_t depthTexture = 0;
    int size = 0;  // texels per side of depthTexture
    std::uint32_t fixedCastersFramebuffer = 0;
    std::uint32_t fixedCastersTexture = 0;
    bool fixedCastersDrawn = false;

    bool castsShadows() const { return framebuffer != 0; }
};

// `size` texels per side: the level's map unless a test asks for one the driver
// cannot make.
ShadowMap createShadowMap(int size = ShadowMapSize);

// Binds the map's framebuffer holding the depth of the fixed casters alone:
// `drawFixed` draws them (into their own texture the first time, from which
// every later pass copies them; into the cleared map every time where that
// texture has no framebuffer). The caller sets the viewport and the depth
// program, and then draws what moves.
void startShadowPass(ShadowMap& shadowMap, const std::function<void()>& drawFixed);
