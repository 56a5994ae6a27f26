// Where a typed program's uniform values go. In the game that is a Shader
// (through ProgramTarget, scene/program_target.h); the tests record the calls
// instead, so the order a frame sets its uniforms in is checked without a window.
#pragma once

#include <string>

#include <glm/mat3x3.hpp>
#include <glm/mat4x4.hpp>
#include <glm/vec3.hpp>

// A uniform of one program, looked up by name once. It means something only to
// the target that handed it out.
struct UniformSlot {
    int index = -1;
};

class UniformTarget {
public:
    virtual ~UniformTarget() = default;

    // Makes the program current.
    virtual void use() = 0;
    // Picks the variant built for `value` (ShaderVariants in shader.h).
    virtual void selectVariant(int value) = 0;
    // The slot of `name`; a name the program lacks gets a slot whose sets do nothing.
    virtual UniformSlot slot(const std::string& name) = 0;

    virtual void set(UniformSlot slot, const glm::mat3& value) = 0;
    virtual void set(UniformSlot slot, const glm::mat4& value) = 0;
    virtual void set(UniformSlot slot, const glm::vec3& value) = 0;
    virtual void set(UniformSlot slot, int value) = 0;
    virtual void set(UniformSlot slot, float value) = 0;
};
