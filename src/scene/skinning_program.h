// The program that draws the skinned skeleton ("assets/shaders/skinning.*"):
// the model program's lighting, with the bone matrices on top. Owns its Shader;
// every uniform's slot, the MaxBones bone matrices' included, is looked up once
// when it is built.
#pragma once

#include <vector>

#include <glm/mat3x3.hpp>
#include <glm/mat4x4.hpp>

#include "scene/lit_program.h"

class Model;

class SkinningProgram : public LitProgram {
public:
    explicit SkinningProgram(ProgramTarget target);

    // The frame's values, in this order: the lighting constants (which nothing
    // else keeps on this program), "viewProjMatrix", "cameraPos",
    // "lightSpaceMatrix", "modelMatrix" (identity), "shadowMap", "enableHaze",
    // "normalMatrix".
    void setFrame(const LightingConstants& lights, const LitFrame& frame, const glm::mat3& normalMatrix);

    // "finalBonesMatrices[i]" for each of `boneMatrices` (at most MaxBones),
    // "modelMatrix" = `modelMatrix`, then the draw of `model`.
    void drawPosed(const Model& model, const std::vector<glm::mat4>& boneMatrices,
                   const glm::mat4& modelMatrix);

private:
    UniformSlot normalMatrixSlot;
    std::vector<UniformSlot> boneMatrixSlots;
};
