#include "app/lines_program.h"

#include "framework/shader.h"

LinesProgram::LinesProgram()
    : shader(std::make_unique<Shader>("assets/shaders/lines.vert", "assets/shaders/lines.frag")),
      viewProjectionSlot(shader->slot("viewProjMatrix")), depthBiasSlot(shader->slot("depthBias")),
      lineColorSlot(shader->slot("lineColor"))
{
}

LinesProgram::~LinesProgram() = default;

void LinesProgram::use() const
{
    shader->use();
}

void LinesProgram::setViewProjection(const glm::mat4& viewProjection)
{
    shader->set(viewProjectionSlot, viewProjection);
}

void LinesProgram::setDepthBias(float bias)
{
    shader->set(depthBiasSlot, bias);
}

void LinesProgram::setLineColor(const glm::vec3& color)
{
    shader->set(lineColorSlot, color);
}
