// What a typed program (model_program.h, skinning_program.h, depth_program.h)
// works on: the Shader it draws with, and the UniformTarget its values go to.
// In the game both are the one Shader. A test hands in a recording target and
// nothing to draw with; draws are then only reported, so a whole frame's calls
// can be followed without an OpenGL context.
#pragma once

#include <functional>
#include <memory>

#include "framework/uniform_target.h"

class Model;
class Shader;

class ProgramTarget {
public:
    // The game's: uniforms set on `shader`, models drawn with it. Not explicit,
    // so that a typed program is built straight from its Shader.
    ProgramTarget(std::shared_ptr<Shader> shader);
    // A test's: uniforms go to `recorder` (which must outlive this), and each
    // model drawn is handed to `drawn` instead of the GPU.
    ProgramTarget(UniformTarget& recorder, std::function<void(const Model&)> drawn = {});
    ~ProgramTarget();
    ProgramTarget(ProgramTarget&&) noexcept;
    ProgramTarget& operator=(ProgramTarget&&) noexcept;

    UniformTarget& uniforms() const { return *target; }
    // Draws every mesh of `model` with the current program.
    void draw(const Model& model) const;
    // Null for a recording.
    const std::shared_ptr<Shader>& shader() const { return drawnWith; }

private:
    std::shared_ptr<Shader> drawnWith;
    std::unique_ptr<UniformTarget> shaderUniforms;  // writes to drawnWith
    UniformTarget* target = nullptr;
    std::function<void(const Model&)> reportDraw;
};
