// The level's fixed lights: 60 torches, the red lava light, the haze and the
// ambient term, as the lit programs receive them.
//
// Nothing here moves or comes from a file. Positions are world units, +Y up;
// every torch hangs at y = 3.3. The list's order is the order of the shader's
// "lightPositions" array.
#pragma once

#include <vector>

#include <glm/vec3.hpp>

#include "scene/lit_program.h"

// Lighting constants (world units, linear RGB).
constexpr glm::vec3 LavaMidpoint{-0.4f, 2.5f, 5.4f};
constexpr float LavaRadius = 10.0f;
constexpr glm::vec3 LavaLightColor{1.0f, 0.0f, 0.0f};
constexpr glm::vec3 TorchLightColor{1.0f, 0.8f, 0.6f};
constexpr float HazeStart = 5.0f;
constexpr float HazeEnd = 20.0f;
constexpr glm::vec3 HazeColor{0.0f, 0.0f, 0.0f};
constexpr glm::vec3 AmbientLightColor{1.0f, 1.0f, 1.0f};
constexpr float AmbientStrength = 0.1f;

// The 60 torch positions in index order.
std::vector<glm::vec3> torchLights();

// The constants above with `torches` as the torch lights.
LightingConstants levelLightingConstants(std::vector<glm::vec3> torches = torchLights());
