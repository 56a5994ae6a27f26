#include "scene/program_target.h"

#include <utility>

#include "framework/shader.h"
#include "scene/model.h"

namespace {

// A Shader seen through the UniformTarget interface.
class ShaderUniforms final : public UniformTarget {
public:
    explicit ShaderUniforms(Shader& shader) : shader(shader) {}

    void use() override { shader.use(); }
    void selectVariant(int value) override { shader.selectVariant(value); }
    UniformSlot slot(const std::string& name) override { return shader.slot(name); }
    void set(UniformSlot slot, const glm::mat3& value) override { shader.set(slot, value); }
    void set(UniformSlot slot, const glm::mat4& value) override { shader.set(slot, value); }
    void set(UniformSlot slot, const glm::vec3& value) override { shader.set(slot, value); }
    void set(UniformSlot slot, int value) override { shader.set(slot, value); }
    void set(UniformSlot slot, float value) override { shader.set(slot, value); }

private:
    Shader& shader;
};

}  // namespace

ProgramTarget::ProgramTarget(std::shared_ptr<Shader> shader)
    : drawnWith(std::move(shader)), shaderUniforms(std::make_unique<ShaderUniforms>(*drawnWith)),
      target(shaderUniforms.get())
{
}

ProgramTarget::ProgramTarget(UniformTarget& recorder, std::function<void(const Model&)> drawn)
    : target(&recorder), reportDraw(std::move(drawn))
{
}

ProgramTarget::~ProgramTarget() = default;
ProgramTarget::ProgramTarget(ProgramTarget&&) noexcept = default;
ProgramTarget& ProgramTarget::operator=(ProgramTarget&&) noexcept = default;

void ProgramTarget::draw(const Model& model) const
{
    if (drawnWith)
        model.draw(drawnWith);
    else if (reportDraw)
        reportDraw(model);
}
