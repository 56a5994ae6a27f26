// A GLSL program made of one vertex and one fragment stage (with variants, a
// program pipeline of the two; see ShaderVariants), with a cache of uniform
// locations. Every failure to read, compile or link ends the game after
// printing the driver's log. Needs a current OpenGL 4.1 core context with GLEW
// initialised; the game holds its programs through std::shared_ptr.
#pragma once

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include <glm/mat3x3.hpp>
#include <glm/mat4x4.hpp>
#include <glm/vec3.hpp>

#include "framework/separable_stage.h"
#include "framework/shader_includes.h"
#include "framework/uniform_target.h"

// One program per value of a mode that the fragment stage branches on. Each
// variant's fragment stage is compiled with "#define <selector> <value>" after
// its #version line, so the branches of the other modes are compiled out: a
// software rasteriser runs every side of a branch, even one no pixel takes, and
// a GPU still pays registers for them. selectVariant(value) picks the variant;
// every uniform reaches all variants, so they share one state.
//
// A program with variants is a program pipeline per variant, made of separable
// stages (separable_stage.h), and a stage whose text another program already
// compiled is that program's stage: the model and skinning programs light the
// same way and compile their lighting once. A uniform of a shared stage is
// then shared too; the game sets the same values through both programs.
struct ShaderVariants {
    std::string selector;
    std::vector<int> values;
};

// The stage file at a relative asset path as the driver gets it, its includes
// put in; a file that cannot be found or read ends the game.
ShaderSourceText readShaderSource(const std::string& relativePath);

class Shader {
public:
    // Builds the program from two relative asset paths ("assets/shaders/model.vert").
    // Prints "Read shader: <path>" per stage compiled from a file.
    Shader(std::string vertexPath, std::string fragmentPath);

    // The same, once per value of `variants`; the first value is selected.
    // "Read shader" is printed once per file.
    Shader(std::string vertexPath, std::string fragmentPath, ShaderVariants variants);

    // Builds the framework's default program from its built-in source texts; silent.
    Shader();

    // Leaves no program current, whichever one was, and deletes this program.
    ~Shader();

    Shader(const Shader&) = delete;
    Shader& operator=(const Shader&) = delete;

    // Makes this program current (with variants: no program, and the selected
    // variant's pipeline bound).
    void use() const;

    // Location of the named uniform in `program`; -1 when it has no such active uniform.
    // Each name costs one GL query per Shader, the first time it is asked for.
    int uniformLocation(std::string name);

    // Each setter writes to the currently bound program (call use() first) and
    // silently does nothing for a name without a location. Matrices are column-major.
    // With variants, each setter writes to every variant, bound or not.
    void setUniform(std::string name, const glm::mat3& value);
    void setUniform(std::string name, const glm::mat4& value);
    void setUniform(std::string name, const glm::vec3& value);
    void setUniform(std::string name, int value);
    void setUniform(std::string name, float value);

    // The typed programs' way in: the name's location in every variant, asked
    // for once here, so that a frame's sets cost no lookup at all.
    UniformSlot slot(const std::string& name);
    // As setUniform, by a slot this Shader handed out.
    void set(UniformSlot slot, const glm::mat3& value);
    void set(UniformSlot slot, const glm::mat4& value);
    void set(UniformSlot slot, const glm::vec3& value);
    void set(UniformSlot slot, int value);
    void set(UniformSlot slot, float value);

    // Makes the variant built for `value` the program, bound at once if this
    // program is bound; a value that has no variant ends the game.
    void selectVariant(int value);

    // The only program without variants; with them, the selected variant's
    // fragment stage, which holds the material's and the lighting's uniforms.
    unsigned program = 0;
    // The selected variant's program pipeline; 0 without variants.
    unsigned pipeline = 0;
    // Relative file paths, or the source texts themselves when inlineSources is true.
    std::string vertexShader;
    std::string fragmentShader;
    bool inlineSources = false;
    // Locations in `program`.
    std::unordered_map<std::string, int> uniformLocations;

private:
    struct Variant {
        int value = 0;
        unsigned pipeline = 0;
        std::shared_ptr<const SeparableStage> vertex;
        std::shared_ptr<const SeparableStage> fragment;
    };
    // Where a slot's values go: `program` 0 is the bound program.
    struct SlotLocation {
        unsigned program = 0;
        int location = -1;
    };

    void linkProgram();
    void buildPipelines();
    // The stage's source as the driver gets it: `definition` after the #version line.
    std::string stageText(const std::string& stage, const ShaderSourceText& source,
                          const std::string& definition) const;
    // `stage` names the stage in errors; `source` is its file's text, `text` what the driver compiles.
    unsigned compileText(const std::string& stage, const ShaderSourceText& source, unsigned stageType,
                         const std::string& text) const;
    // The stage linked on its own, shared with any pipeline that has its text.
    std::shared_ptr<const SeparableStage> separableStage(const std::string& stage, const ShaderSourceText& source,
                                                         unsigned stageType, const std::string& definition) const;
    // The stage's text with its includes put in (shader_includes.h).
    ShaderSourceText stageSource(const std::string& stage) const;
    void announce(const std::string& stage) const;
    template <typename Value>
    void upload(std::string name, const Value& value);
    template <typename Value>
    void uploadToSlot(UniformSlot slot, const Value& value);

    std::string selector;
    std::vector<Variant> variants;  // empty for a program without variants
    // Per slot, its location in every stage of every variant that has it (in
    // the bound program without variants).
    std::vector<std::vector<SlotLocation>> slotLocations;
    // The slots setUniform made for names, with variants.
    std::unordered_map<std::string, UniformSlot> namedSlots;
};
