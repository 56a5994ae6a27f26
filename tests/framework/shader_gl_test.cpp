// Shader against a real context: location cache, unbinding on destruction, the
// "Read shader" lines and the fatal compile and link paths.
#include "framework/shader.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>

#include <glm/vec3.hpp>

#include "support/environment.h"
#include "support/fatal_child.h"
#include "framework/asset_search.h"
#include "support/gl_test.h"

namespace fs = std::filesystem;

namespace {

const char* const PassVertex = "#version 410\nlayout(location = 0) in vec3 position;\n"
                               "void main() { gl_Position = vec4(position, 1); }\n";
const char* const TintFragment = "#version 410\nuniform vec3 tint;\nuniform float alpha;\nout vec4 color;\n"
                                 "void main() { color = vec4(tint, alpha); }\n";
const char* const BrokenFragment = "#version 410\nout vec4 color;\nvoid main() { color = ; }\n";
// Compiles on its own, but a program needs a main in every stage.
const char* const UnlinkableFragment = "#version 410\nout vec4 color;\nvoid paint() { color = vec4(1); }\n";

// A death-test child is this binary run again; it inherits the variable and so
// writes into its parent's folder, which the parent removes afterwards.
std::string processFolderName()
{
    constexpr const char* Variable = "KORVEL_SHADER_TEST_FOLDER";
    if (const char* inherited = std::getenv(Variable))
        return inherited;
    const std::string name = "korvel_shader_test_" + std::to_string(::getpid());
    setEnvironmentVariable(Variable, name);
    return name;
}

// Stage files live beside the test executable, where the asset search starts, in a
// folder per process so that tests running in parallel do not share it.
class ShaderGl : public GlTest {
protected:
    void SetUp() override
    {
        GlTest::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        folderName = processFolderName();
        folder = fs::path(executableDirectory()) / folderName;
        fs::create_directories(folder);
    }
    void TearDown() override
    {
        if (!folder.empty())
            fs::remove_all(folder);
    }

    std::string writeStage(const std::string& name, const char* source) const
    {
        std::ofstream(folder / name) << source;
        return folderName + "/" + name;
    }

    std::string folderName;
    fs::path folder;
};

}  // namespace

TEST_F(ShaderGl, BuiltInProgramIsSilentAndLinked)
{
    ::testing::internal::CaptureStdout();
    Shader shader;
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
    EXPECT_TRUE(shader.inlineSources);
    EXPECT_EQ(glIsProgram(shader.program), GL_TRUE);
}

TEST_F(ShaderGl, FilesPrintTheirRelativePaths)
{
    const std::string vertex = writeStage("pass.vert", PassVertex);
    const std::string fragment = writeStage("tint.frag", TintFragment);
    ::testing::internal::CaptureStdout();
    Shader shader(vertex, fragment);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(),
              "Read shader: " + vertex + "\nRead shader: " + fragment + "\n");
    EXPECT_FALSE(shader.inlineSources);
}

TEST_F(ShaderGl, UnknownUniformIsCachedAsMinusOneAndSkipped)
{
    Shader shader;
    shader.use();
    EXPECT_EQ(shader.uniformLocation("noSuchUniform"), -1);
    ASSERT_EQ(shader.uniformLocations.count("noSuchUniform"), 1u);
    EXPECT_EQ(shader.uniformLocations.at("noSuchUniform"), -1);
    shader.setUniform("noSuchUniform", 1.0f);
    shader.setUniform("noSuchUniform", glm::mat4(1.0f));
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST_F(ShaderGl, CachedLocationIsAnsweredWithoutAskingTheDriver)
{
    Shader shader;
    // A planted entry proves the lookup: the driver would say -1 for this name.
    shader.uniformLocations["planted"] = 4321;
    EXPECT_EQ(shader.uniformLocation("planted"), 4321);
}

TEST_F(ShaderGl, SettersReachTheBoundProgram)
{
    Shader shader(writeStage("pass.vert", PassVertex), writeStage("tint.frag", TintFragment));
    shader.use();
    shader.setUniform("tint", glm::vec3(0.25f, 0.5f, 0.75f));
    shader.setUniform("alpha", 0.125f);
    GLfloat tint[3] = {};
    GLfloat alpha = 0.0f;
    glGetUniformfv(shader.program, shader.uniformLocation("tint"), tint);
    glGetUniformfv(shader.program, shader.uniformLocation("alpha"), &alpha);
    EXPECT_FLOAT_EQ(tint[0], 0.25f);
    EXPECT_FLOAT_EQ(tint[2], 0.75f);
    EXPECT_FLOAT_EQ(alpha, 0.125f);
}

TEST_F(ShaderGl, TwoShadersKeepSeparateCaches)
{
    Shader first;
    Shader second;
    const int firstLocation = first.uniformLocation("fragColor");
    EXPECT_GE(firstLocation, 0);
    EXPECT_EQ(second.uniformLocations.count("fragColor"), 0u);
    EXPECT_EQ(second.uniformLocation("fragColor"), glGetUniformLocation(second.program, "fragColor"));
    EXPECT_EQ(first.uniformLocations.size(), 1u);
    EXPECT_EQ(second.uniformLocations.size(), 1u);
}

TEST_F(ShaderGl, DestroyingAnyShaderLeavesNoProgramCurrent)
{
    auto current = std::make_shared<Shader>();
    auto other = std::make_shared<Shader>();
    current->use();
    const unsigned otherProgram = other->program;
    other.reset();
    GLint bound = -1;
    glGetIntegerv(GL_CURRENT_PROGRAM, &bound);
    EXPECT_EQ(bound, 0);
    EXPECT_EQ(glIsProgram(otherProgram), GL_FALSE);
}

TEST_F(ShaderGl, CompileFailureNamesTheFileAndEndsTheGame)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const std::string vertex = writeStage("pass.vert", PassVertex);
    const std::string fragment = writeStage("broken.frag", BrokenFragment);
    const std::string expected = "Read shader: " + vertex + "\nFailed to compile shader: " + fragment + "\n";
    EXPECT_EXIT(
        {
            prepareFatalChild();
            Shader shader(vertex, fragment);
        },
        ::testing::ExitedWithCode(1), literalPattern(expected) + ".+");
}

// Shared GLSL is compiled as part of the stage that includes it; its errors are
// reported under its own name and line.
TEST_F(ShaderGl, IncludedFileCompilesWithItsStageAndIsNamedInErrors)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const std::string vertex = writeStage("pass.vert", PassVertex);
    writeStage("shared.glsl", "uniform vec3 tint;\n");
    Shader shader(vertex,
                  writeStage("including.frag", "#version 410\n#include \"shared.glsl\"\nout vec4 color;\n"
                                               "void main() { color = vec4(tint, 1); }\n"));
    EXPECT_GE(shader.uniformLocation("tint"), 0) << "declared in the included file";

    writeStage("broken.glsl", "// a comment line\nvec3 broken() { return ; }\n");
    const std::string fragment =
        writeStage("includes_broken.frag", "#version 410\n#include \"broken.glsl\"\nout vec4 color;\n"
                                           "void main() { color = vec4(1); }\n");
    EXPECT_EXIT(
        {
            prepareFatalChild();
            Shader broken(vertex, fragment);
        },
        ::testing::ExitedWithCode(1),
        literalPattern("Failed to compile shader: " + fragment + "\n" + folderName + "/broken.glsl") +
            ".2."  // ":2:" or "(2)"; GoogleTest's regular expressions on Windows have no brackets
    );
}

TEST_F(ShaderGl, LinkFailurePrintsTheLogAndEndsTheGame)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const std::string vertex = writeStage("pass.vert", PassVertex);
    const std::string fragment = writeStage("unlinkable.frag", UnlinkableFragment);
    EXPECT_EXIT(
        {
            prepareFatalChild();
            Shader shader(vertex, fragment);
        },
        ::testing::ExitedWithCode(1), "Read shader: .*\nFailed to link shader program:\n");
}

namespace {

// A triangle over the whole viewport, from gl_VertexID alone.
const char* const ScreenVertex =
    "#version 410\nout gl_PerVertex { vec4 gl_Position; };\n"
    "void main() { gl_Position = vec4(vec2(gl_VertexID & 1, gl_VertexID >> 1) * 4.0 - 1.0, 0, 1); }\n";
// The mode is compiled in when the program has variants, a uniform otherwise.
const char* const ModeFragment =
    "#version 410\n#ifndef mode\nuniform int mode;\n#endif\nuniform vec3 tint;\nout vec4 color;\n"
    "void main() { color = vec4(mode == 2 ? tint : tint.zyx, 1); }\n";

glm::vec3 uniformVec3(unsigned program, const char* name)
{
    glm::vec3 value(-1.0f);
    glGetUniformfv(program, glGetUniformLocation(program, name), &value.x);
    return value;
}

// The colour the current program paints over the window.
glm::vec3 paintedColour()
{
    GLuint vertexArray = 0;
    glGenVertexArrays(1, &vertexArray);
    glBindVertexArray(vertexArray);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glDrawArrays(GL_TRIANGLES, 0, 3);
    GLubyte pixel[4] = {};
    glReadPixels(1, 1, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
    glBindVertexArray(0);
    glDeleteVertexArrays(1, &vertexArray);
    return glm::vec3(pixel[0], pixel[1], pixel[2]) / 255.0f;
}

}  // namespace

TEST_F(ShaderGl, VariantsShareUniformsAndSelectingOnePicksTheBoundProgram)
{
    const std::string vertex = writeStage("screen.vert", ScreenVertex);
    const std::string fragment = writeStage("mode.frag", ModeFragment);
    ::testing::internal::CaptureStdout();
    Shader shader(vertex, fragment, ShaderVariants{"mode", {1, 2}});
    EXPECT_EQ(::testing::internal::GetCapturedStdout(),
              "Read shader: " + vertex + "\nRead shader: " + fragment + "\n");

    const unsigned first = shader.program;
    shader.use();
    shader.setUniform("tint", glm::vec3(1.0f, 0.0f, 0.0f));
    EXPECT_EQ(paintedColour(), glm::vec3(0.0f, 0.0f, 1.0f)) << "mode 1 compiled in: the tint reversed";

    const unsigned firstPipeline = shader.pipeline;
    shader.selectVariant(2);
    const unsigned second = shader.program;
    EXPECT_NE(second, first);
    EXPECT_NE(shader.pipeline, firstPipeline);
    GLint bound = -1;
    glGetIntegerv(GL_CURRENT_PROGRAM, &bound);
    EXPECT_EQ(bound, 0) << "a program would hide the pipeline";
    glGetIntegerv(GL_PROGRAM_PIPELINE_BINDING, &bound);
    EXPECT_EQ(GLuint(bound), shader.pipeline) << "a bound program stays bound across a change of variant";
    // Set before the change, the tint reached the variant selected now.
    EXPECT_EQ(paintedColour(), glm::vec3(1.0f, 0.0f, 0.0f));
    shader.setUniform("tint", glm::vec3(0.0f, 1.0f, 0.0f));
    EXPECT_EQ(uniformVec3(first, "tint"), glm::vec3(0.0f, 1.0f, 0.0f));
    EXPECT_EQ(uniformVec3(second, "tint"), glm::vec3(0.0f, 1.0f, 0.0f));
    EXPECT_EQ(shader.uniformLocation("tint"), glGetUniformLocation(second, "tint"));
    // A slot reaches every variant too; one for a name the program lacks does nothing.
    const UniformSlot tint = shader.slot("tint");
    shader.set(tint, glm::vec3(0.0f, 0.0f, 1.0f));
    shader.set(shader.slot("absent"), 7);
    EXPECT_EQ(uniformVec3(first, "tint"), glm::vec3(0.0f, 0.0f, 1.0f));
    EXPECT_EQ(uniformVec3(second, "tint"), glm::vec3(0.0f, 0.0f, 1.0f));

    // Selecting while another program is bound leaves that one bound.
    glBindProgramPipeline(0);
    shader.selectVariant(1);
    glGetIntegerv(GL_PROGRAM_PIPELINE_BINDING, &bound);
    EXPECT_EQ(bound, 0);
    EXPECT_EQ(shader.program, first);
    EXPECT_EQ(shader.pipeline, firstPipeline);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));

    // Without variants the mode is an ordinary uniform, and slots write to the bound program.
    Shader plain(vertex, fragment);
    plain.use();
    plain.set(plain.slot("tint"), glm::vec3(1.0f, 1.0f, 0.0f));
    plain.setUniform("mode", 2);
    EXPECT_EQ(paintedColour(), glm::vec3(1.0f, 1.0f, 0.0f));
}

TEST_F(ShaderGl, SelectingAModeWithoutVariantEndsTheGame)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const std::string vertex = writeStage("screen.vert", ScreenVertex);
    const std::string fragment = writeStage("mode.frag", ModeFragment);
    EXPECT_EXIT(
        {
            prepareFatalChild();
            Shader shader(vertex, fragment, ShaderVariants{"mode", {1, 2}});
            shader.selectVariant(3);
        },
        ::testing::ExitedWithCode(1), "has no variant for mode = 3");
}

// Two programs whose fragment files are one text compile that stage once: a
// uniform set through either is the other's, and the stage lives as long as
// either program does.
TEST_F(ShaderGl, ProgramsWithVariantsShareAStageOfTheSameText)
{
    const std::string vertex = writeStage("screen.vert", ScreenVertex);
    const std::string otherVertex = writeStage("other.vert", (std::string(ScreenVertex) + "// another file\n").c_str());
    const std::string fragment = writeStage("mode.frag", ModeFragment);
    const std::string sameText = writeStage("copy.frag", ModeFragment);
    auto first = std::make_unique<Shader>(vertex, fragment, ShaderVariants{"mode", {1, 2}});
    auto second = std::make_unique<Shader>(otherVertex, sameText, ShaderVariants{"mode", {2}});
    first->selectVariant(2);
    const unsigned shared = second->program;
    EXPECT_EQ(first->program, shared);
    EXPECT_NE(first->pipeline, second->pipeline);

    second->setUniform("tint", glm::vec3(0.0f, 1.0f, 0.0f));
    first->use();
    EXPECT_EQ(paintedColour(), glm::vec3(0.0f, 1.0f, 0.0f));
    first.reset();
    EXPECT_EQ(glIsProgram(shared), GL_TRUE) << "still the second program's";
    second->use();
    EXPECT_EQ(paintedColour(), glm::vec3(0.0f, 1.0f, 0.0f));
    second.reset();
    EXPECT_EQ(glIsProgram(shared), GL_FALSE);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}
