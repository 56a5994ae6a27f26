#include "scene/lit_program.h"

#include <string>
#include <utility>

#include "framework/gpu_layout.h"
#include "scene/light_grid.h"

LitProgram::LitProgram(ProgramTarget program) : target(std::move(program)), uniforms(target.uniforms())
{
    lit.viewProjection = uniforms.slot("viewProjMatrix");
    lit.modelMatrix = uniforms.slot("modelMatrix");
    lit.cameraPosition = uniforms.slot("cameraPos");
    lit.lightSpace = uniforms.slot("lightSpaceMatrix");
    lit.shadowMap = uniforms.slot("shadowMap");
    lit.enableHaze = uniforms.slot("enableHaze");
    lit.numLights = uniforms.slot("numLights");
    for (int i = 0; i < MaxLights; ++i)
        lit.lightPositions.push_back(uniforms.slot("lightPositions[" + std::to_string(i) + "]"));
    lit.lavaMidpoint = uniforms.slot("lavaMidpoint");
    lit.lavaRadius = uniforms.slot("lavaRadius");
    lit.lavaLightColor = uniforms.slot("lavaLightColor");
    lit.torchLightColor = uniforms.slot("lightColor");
    lit.hazeStart = uniforms.slot("hazeStart");
    lit.hazeEnd = uniforms.slot("hazeEnd");
    lit.hazeColor = uniforms.slot("hazeColor");
    lit.ambientLightColor = uniforms.slot("ambientLightColor");
    lit.ambientStrength = uniforms.slot("ambientStrength");
    lit.lightGrid = uniforms.slot("lightGrid");
    lit.lightGridOrigin = uniforms.slot("lightGridOrigin");
    lit.lightGridCellSize = uniforms.slot("lightGridCellSize");
    lit.lightRange = uniforms.slot("lightRange");
}

void LitProgram::selectLighting(LightingMode mode)
{
    uniforms.selectVariant(static_cast<int>(mode));
}

void LitProgram::setLightingConstants(const LightingConstants& lights)
{
    uniforms.use();
    uploadLightingConstants(lights);
}

void LitProgram::uploadLightingConstants(const LightingConstants& lights)
{
    uniforms.set(lit.numLights, static_cast<int>(lights.torchPositions.size()));
    for (std::size_t i = 0; i < lights.torchPositions.size() && i < lit.lightPositions.size(); ++i)
        uniforms.set(lit.lightPositions[i], lights.torchPositions[i]);
    uniforms.set(lit.lavaMidpoint, lights.lavaMidpoint);
    uniforms.set(lit.lavaRadius, lights.lavaRadius);
    uniforms.set(lit.lavaLightColor, lights.lavaLightColor);
    uniforms.set(lit.torchLightColor, lights.torchLightColor);
    uniforms.set(lit.hazeStart, lights.hazeStart);
    uniforms.set(lit.hazeEnd, lights.hazeEnd);
    uniforms.set(lit.hazeColor, lights.hazeColor);
    uniforms.set(lit.ambientLightColor, lights.ambientLightColor);
    uniforms.set(lit.ambientStrength, lights.ambientStrength);
}

void LitProgram::setLightGrid(const LightGrid& grid)
{
    uniforms.use();
    uniforms.set(lit.lightGrid, LightGridTextureUnit);
    uniforms.set(lit.lightGridOrigin, glm::vec3(grid.origin.x, 0.0f, grid.origin.y));
    uniforms.set(lit.lightGridCellSize, grid.cellSize);
    uniforms.set(lit.lightRange, grid.range);
}
