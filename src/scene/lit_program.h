// What the model and skinning programs share: one GL program per lighting mode,
// the level's fixed lights, the light grid and the frame's view. Each uniform's
// slot is looked up once, when the program is built.
#pragma once

#include <memory>
#include <vector>

#include <glm/mat4x4.hpp>
#include <glm/vec3.hpp>

#include "scene/lighting_mode.h"
#include "scene/program_target.h"

struct LightGrid;

// The entries of the shaders' "lightPositions" array (MAX_LIGHTS in lighting.glsl).
constexpr int MaxLights = 60;

// The level's fixed lights as the programs receive them (world units, linear RGB).
struct LightingConstants {
    std::vector<glm::vec3> torchPositions;  // "lightPositions[i]" in index order; "numLights" counts them
    glm::vec3 lavaMidpoint{0.0f};
    float lavaRadius = 0.0f;
    glm::vec3 lavaLightColor{0.0f};
    glm::vec3 torchLightColor{0.0f};  // "lightColor"
    float hazeStart = 0.0f;           // world units from the camera
    float hazeEnd = 0.0f;
    glm::vec3 hazeColor{0.0f};
    glm::vec3 ambientLightColor{0.0f};
    float ambientStrength = 0.0f;
};

// What the programs of the visible pass are told about this frame.
struct LitFrame {
    glm::mat4 viewProjection{1.0f};
    glm::vec3 cameraPosition{0.0f};  // the eye, world units
    glm::mat4 lightSpace{1.0f};      // world to the shadow map's clip space
    bool hazeEnabled = true;
};

class LitProgram {
public:
    // Every later draw takes its light the way of `mode`; the program must have
    // been built for it.
    void selectLighting(LightingMode mode);

    // "numLights", "lightPositions[0]" to "lightPositions[n-1]", "lavaMidpoint",
    // "lavaRadius", "lavaLightColor", "lightColor", "hazeStart", "hazeEnd",
    // "hazeColor", "ambientLightColor", "ambientStrength", in this order. Torches
    // past MaxLights have no place in the shaders and are left out.
    void setLightingConstants(const LightingConstants& lights);

    // "lightGrid" (its texture unit), "lightGridOrigin" (x, 0, z),
    // "lightGridCellSize" and "lightRange". Without them a shader loops over
    // every light. The grid never changes, so once at start-up is enough.
    void setLightGrid(const LightGrid& grid);

    const std::shared_ptr<Shader>& shader() const { return target.shader(); }

protected:
    explicit LitProgram(ProgramTarget target);

    // setLightingConstants without making the program current.
    void uploadLightingConstants(const LightingConstants& lights);

    struct Slots {
        UniformSlot viewProjection, modelMatrix, cameraPosition, lightSpace, shadowMap, enableHaze;
        UniformSlot numLights;
        std::vector<UniformSlot> lightPositions;  // MaxLights of them
        UniformSlot lavaMidpoint, lavaRadius, lavaLightColor, torchLightColor, hazeStart, hazeEnd, hazeColor,
            ambientLightColor, ambientStrength;
        UniformSlot lightGrid, lightGridOrigin, lightGridCellSize, lightRange;
    };

    ProgramTarget target;
    UniformTarget& uniforms;  // target's
    Slots lit;
};
