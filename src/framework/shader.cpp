#include "framework/shader.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <utility>
#include <vector>

#include <GL/glew.h>
#include <glm/gtc/type_ptr.hpp>

#include "framework/asset_search.h"
#include "framework/console.h"
#include "framework/default_shader_sources.h"
#include "framework/file_path.h"
#include "framework/shader_includes.h"

namespace {

// A driver may report a log length of 0; the buffer still needs room for the
// terminating zero so that it prints as an empty line.
// Shader and program logs are fetched through entry points of the same signature.
std::string readInfoLog(GLint length, PFNGLGETSHADERINFOLOGPROC fetch, GLuint object)
{
    std::vector<GLchar> buffer(static_cast<std::size_t>(std::max(length, 1)), '\0');
    fetch(object, static_cast<GLsizei>(buffer.size()), nullptr, buffer.data());
    buffer.back() = '\0';
    return std::string(buffer.data());
}

std::string shaderInfoLog(GLuint shader)
{
    GLint length = 0;
    glGetShaderiv(shader, GL_INFO_LOG_LENGTH, &length);
    return readInfoLog(length, glGetShaderInfoLog, shader);
}

std::string programInfoLog(GLuint program)
{
    GLint length = 0;
    glGetProgramiv(program, GL_INFO_LOG_LENGTH, &length);
    return readInfoLog(length, glGetProgramInfoLog, program);
}

// One value to one location: with target 0 in the bound program, otherwise in
// that program directly.
void writeUniform(GLuint target, GLint location, const glm::mat3& value)
{
    if (target == 0)
        glUniformMatrix3fv(location, 1, GL_FALSE, glm::value_ptr(value));
    else
        glProgramUniformMatrix3fv(target, location, 1, GL_FALSE, glm::value_ptr(value));
}

void writeUniform(GLuint target, GLint location, const glm::mat4& value)
{
    if (target == 0)
        glUniformMatrix4fv(location, 1, GL_FALSE, glm::value_ptr(value));
    else
        glProgramUniformMatrix4fv(target, location, 1, GL_FALSE, glm::value_ptr(value));
}

void writeUniform(GLuint target, GLint location, const glm::vec3& value)
{
    if (target == 0)
        glUniform3f(location, value.x, value.y, value.z);
    else
        glProgramUniform3f(target, location, value.x, value.y, value.z);
}

void writeUniform(GLuint target, GLint location, int value)
{
    if (target == 0)
        glUniform1i(location, value);
    else
        glProgramUniform1i(target, location, value);
}

void writeUniform(GLuint target, GLint location, float value)
{
    if (target == 0)
        glUniform1f(location, value);
    else
        glProgramUniform1f(target, location, value);
}

// The program once its link succeeded; a failed link ends the game with the driver's log.
GLuint linkedOrFatal(GLuint program)
{
    GLint status = 0;
    glGetProgramiv(program, GL_LINK_STATUS, &status);
    if (status == 0) {
        const std::string log = programInfoLog(program);
        glDeleteProgram(program);
        fatalError({"Failed to link shader program:", log});
    }
    return program;
}

}  // namespace

Shader::Shader(std::string vertexPath, std::string fragmentPath)
    : vertexShader(std::move(vertexPath)), fragmentShader(std::move(fragmentPath))
{
    linkProgram();
}

Shader::Shader(std::string vertexPath, std::string fragmentPath, ShaderVariants shaderVariants)
    : vertexShader(std::move(vertexPath)), fragmentShader(std::move(fragmentPath)),
      selector(std::move(shaderVariants.selector))
{
    if (shaderVariants.values.empty())
        fatalError("Shader " + fragmentShader + " asks for variants of " + selector + " but names none");
    for (const int value : shaderVariants.values)
        variants.push_back(Variant{value, 0, nullptr, nullptr});
    buildPipelines();
}

Shader::Shader()
    : vertexShader(DefaultVertexSource), fragmentShader(DefaultFragmentSource), inlineSources(true)
{
    linkProgram();
}

Shader::~Shader()
{
    glUseProgram(0);
    if (variants.empty()) {
        glDeleteProgram(program);
        return;
    }
    glBindProgramPipeline(0);
    for (const Variant& variant : variants)
        glDeleteProgramPipelines(1, &variant.pipeline);
}

void Shader::use() const
{
    if (pipeline == 0) {
        glUseProgram(program);
        return;
    }
    // A current program would hide the pipeline.
    glUseProgram(0);
    glBindProgramPipeline(pipeline);
}

int Shader::uniformLocation(std::string name)
{
    const auto cached = uniformLocations.find(name);
    if (cached != uniformLocations.end())
        return cached->second;
    const int location = glGetUniformLocation(program, name.c_str());
    uniformLocations.emplace(std::move(name), location);
    return location;
}

// Without variants: the bound program, as the setters always did. With them:
// every stage that has the name, in every variant, through a slot made once.
template <typename Value>
void Shader::upload(std::string name, const Value& value)
{
    if (variants.empty()) {
        const int location = uniformLocation(std::move(name));
        if (location != -1)
            writeUniform(0u, location, value);
        return;
    }
    auto named = namedSlots.find(name);
    if (named == namedSlots.end()) {
        const UniformSlot made = slot(name);
        named = namedSlots.emplace(std::move(name), made).first;
    }
    uploadToSlot(named->second, value);
}

// The same writes as upload(), at locations looked up when the slot was made.
template <typename Value>
void Shader::uploadToSlot(UniformSlot slot, const Value& value)
{
    for (const SlotLocation& place : slotLocations.at(static_cast<std::size_t>(slot.index)))
        writeUniform(place.program, place.location, value);
}

void Shader::setUniform(std::string name, const glm::mat3& value)
{
    upload(std::move(name), value);
}

void Shader::setUniform(std::string name, const glm::mat4& value)
{
    upload(std::move(name), value);
}

void Shader::setUniform(std::string name, const glm::vec3& value)
{
    upload(std::move(name), value);
}

void Shader::setUniform(std::string name, int value)
{
    upload(std::move(name), value);
}

void Shader::setUniform(std::string name, float value)
{
    upload(std::move(name), value);
}

UniformSlot Shader::slot(const std::string& name)
{
    std::vector<SlotLocation> locations;
    const auto add = [&](unsigned target, unsigned lookedUpIn) {
        const int location = glGetUniformLocation(lookedUpIn, name.c_str());
        if (location != -1)
            locations.push_back(SlotLocation{target, location});
    };
    if (variants.empty())
        add(0u, program);
    // A stage shared by several variants is written once.
    std::vector<unsigned> stages;
    for (const Variant& variant : variants)
        for (const unsigned stage : {variant.vertex->program, variant.fragment->program})
            if (std::find(stages.begin(), stages.end(), stage) == stages.end()) {
                stages.push_back(stage);
                add(stage, stage);
            }
    slotLocations.push_back(std::move(locations));
    return UniformSlot{static_cast<int>(slotLocations.size() - 1)};
}

void Shader::set(UniformSlot slot, const glm::mat3& value)
{
    uploadToSlot(slot, value);
}

void Shader::set(UniformSlot slot, const glm::mat4& value)
{
    uploadToSlot(slot, value);
}

void Shader::set(UniformSlot slot, const glm::vec3& value)
{
    uploadToSlot(slot, value);
}

void Shader::set(UniformSlot slot, int value)
{
    uploadToSlot(slot, value);
}

void Shader::set(UniformSlot slot, float value)
{
    uploadToSlot(slot, value);
}

void Shader::selectVariant(int value)
{
    const auto chosen = std::find_if(variants.begin(), variants.end(),
                                     [value](const Variant& variant) { return variant.value == value; });
    if (chosen == variants.end())
        fatalError("Shader " + fragmentShader + " has no variant for " + selector + " = " +
                   std::to_string(value));
    if (chosen->pipeline == pipeline)
        return;
    GLint boundProgram = 0;
    GLint boundPipeline = 0;
    glGetIntegerv(GL_CURRENT_PROGRAM, &boundProgram);
    glGetIntegerv(GL_PROGRAM_PIPELINE_BINDING, &boundPipeline);
    const bool wasBound = boundProgram == 0 && static_cast<GLuint>(boundPipeline) == pipeline;
    pipeline = chosen->pipeline;
    program = chosen->fragment->program;
    uniformLocations.clear();  // they were the other fragment stage's
    if (wasBound)
        glBindProgramPipeline(pipeline);
}

void Shader::announce(const std::string& stage) const
{
    if (!inlineSources)
        printLine("Read shader: " + stage);
}

void Shader::linkProgram()
{
    const ShaderSourceText vertexSource = stageSource(vertexShader);
    const GLuint vertex = compileText(vertexShader, vertexSource, GL_VERTEX_SHADER, vertexSource.text);
    announce(vertexShader);
    const ShaderSourceText fragmentSource = stageSource(fragmentShader);
    const GLuint fragment = compileText(fragmentShader, fragmentSource, GL_FRAGMENT_SHADER, fragmentSource.text);
    announce(fragmentShader);
    const GLuint linked = glCreateProgram();
    glAttachShader(linked, vertex);
    glAttachShader(linked, fragment);
    glLinkProgram(linked);
    glDetachShader(linked, vertex);
    glDetachShader(linked, fragment);
    glDeleteShader(vertex);
    glDeleteShader(fragment);
    program = linkedOrFatal(linked);
}

void Shader::buildPipelines()
{
    // Each file is read and announced once, however many variants it is compiled for.
    const ShaderSourceText vertexSource = stageSource(vertexShader);
    ShaderSourceText fragmentSource;
    for (std::size_t index = 0; index < variants.size(); ++index) {
        Variant& variant = variants[index];
        const std::string definition = "#define " + selector + " " + std::to_string(variant.value) + "\n";
        variant.vertex = separableStage(vertexShader, vertexSource, GL_VERTEX_SHADER, definition);
        if (index == 0) {
            announce(vertexShader);
            fragmentSource = stageSource(fragmentShader);
        }
        variant.fragment = separableStage(fragmentShader, fragmentSource, GL_FRAGMENT_SHADER, definition);
        if (index == 0)
            announce(fragmentShader);
        glGenProgramPipelines(1, &variant.pipeline);
        glUseProgramStages(variant.pipeline, GL_VERTEX_SHADER_BIT, variant.vertex->program);
        glUseProgramStages(variant.pipeline, GL_FRAGMENT_SHADER_BIT, variant.fragment->program);
    }
    pipeline = variants.front().pipeline;
    program = variants.front().fragment->program;
}

std::shared_ptr<const SeparableStage> Shader::separableStage(const std::string& stage,
                                                             const ShaderSourceText& source, unsigned stageType,
                                                             const std::string& definition) const
{
    const std::string text = stageText(stage, source, definition);
    return sharedSeparableStage(stageType, text, [&] {
        const GLuint shader = compileText(stage, source, stageType, text);
        const GLuint linked = glCreateProgram();
        glProgramParameteri(linked, GL_PROGRAM_SEPARABLE, GL_TRUE);
        glAttachShader(linked, shader);
        glLinkProgram(linked);
        glDetachShader(linked, shader);
        glDeleteShader(shader);
        return linkedOrFatal(linked);
    });
}

ShaderSourceText Shader::stageSource(const std::string& stage) const
{
    if (inlineSources)
        return ShaderSourceText{stage, {}};
    return readShaderSource(stage);
}

ShaderSourceText readShaderSource(const std::string& relativePath)
{
    return expandShaderIncludes(relativePath, [](const std::string& path) -> std::optional<std::string> {
        const std::string resolved = findShaderFile(path);
        std::ifstream file(filePath(resolved));
        if (!file.is_open())
            fatalError("Unable to load file[" + resolved + "]!");
        std::ostringstream content;
        content << file.rdbuf();
        return content.str();
    });
}

std::string Shader::stageText(const std::string& stage, const ShaderSourceText& source,
                              const std::string& definition) const
{
    // A variant's definition goes right after the #version line, which must come
    // first; "#line 2" keeps the driver's line numbers those of the file.
    const std::string& text = source.text;
    const std::size_t version = text.find("#version");
    const std::size_t lineEnd = version == std::string::npos ? std::string::npos : text.find('\n', version);
    if (lineEnd == std::string::npos)
        fatalError("Shader " + stage + " needs a #version line to take variants");
    return text.substr(0, lineEnd + 1) + definition + "#line 2 0\n" + text.substr(lineEnd + 1);
}

unsigned Shader::compileText(const std::string& stage, const ShaderSourceText& source, unsigned stageType,
                             const std::string& text) const
{
    const GLuint shader = glCreateShader(stageType);
    if (shader == 0)
        fatalError("Failed to create " + std::to_string(stageType));
    const GLchar* characters = text.c_str();
    glShaderSource(shader, 1, &characters, nullptr);
    glCompileShader(shader);
    GLint compiled = 0;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &compiled);
    if (compiled == 0 || glIsShader(shader) == GL_FALSE) {
        const std::string log = shaderInfoLog(shader);
        glDeleteShader(shader);
        fatalError({"Failed to compile shader: " + stage, nameShaderSources(log, source.files)});
    }
    return shader;
}
