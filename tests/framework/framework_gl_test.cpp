// Framework start-up and shutdown, screenshots and the built-in programs against a
// real context.
#include "framework/framework.h"

#include <filesystem>

#include "framework/builtin_mesh.h"
#include "framework/builtin_shader_table.h"
#include "framework/screenshot.h"
#include "support/gl_test.h"
#include "support/scratch_folder.h"
#include "support/test_files.h"

namespace fs = std::filesystem;

namespace {

class FrameworkGl : public GlTest {
protected:
    void TearDown() override
    {
        if (window != nullptr)
            shutdownFramework();
    }
};

GLint currentProgram()
{
    GLint program = -1;
    glGetIntegerv(GL_CURRENT_PROGRAM, &program);
    return program;
}

// Compiles one stage; returns 0 after a failed compile.
GLuint compile(GLenum type, const std::string& source)
{
    const GLuint shader = glCreateShader(type);
    const char* text = source.c_str();
    glShaderSource(shader, 1, &text, nullptr);
    glCompileShader(shader);
    GLint compiled = 0;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &compiled);
    if (compiled == 0) {
        glDeleteShader(shader);
        return 0;
    }
    return shader;
}

}  // namespace

TEST_F(FrameworkGl, InstallsDefaultProgramAndUploadsMesh)
{
    ASSERT_TRUE(initFramework());
    ASSERT_NE(defaultShader, nullptr);
    EXPECT_EQ(currentProgram(), GLint(defaultShader->program));
    EXPECT_EQ(builtinMesh.indexCount, BuiltinMeshIndexCount);
    EXPECT_EQ(glIsVertexArray(builtinMesh.vao), GL_TRUE);

    GLint elementBuffer = 0;
    glGetIntegerv(GL_ELEMENT_ARRAY_BUFFER_BINDING, &elementBuffer);
    EXPECT_EQ(elementBuffer, 0);
    glBindVertexArray(builtinMesh.vao);
    glGetIntegerv(GL_ELEMENT_ARRAY_BUFFER_BINDING, &elementBuffer);
    EXPECT_EQ(elementBuffer, GLint(builtinMesh.ebo));
    GLint vertexBytes = 0;
    glBindBuffer(GL_ARRAY_BUFFER, builtinMesh.vbo);
    glGetBufferParameteriv(GL_ARRAY_BUFFER, GL_BUFFER_SIZE, &vertexBytes);
    EXPECT_EQ(vertexBytes, 6144);
    glBindVertexArray(0);
}

TEST_F(FrameworkGl, KeepsTheGamesCurrentProgram)
{
    Shader gameProgram;
    gameProgram.use();
    ASSERT_TRUE(initFramework());
    EXPECT_EQ(defaultShader, nullptr);
    EXPECT_EQ(currentProgram(), GLint(gameProgram.program));
}

TEST_F(FrameworkGl, ShutdownReleasesEverything)
{
    ASSERT_TRUE(initFramework());
    const BuiltinMesh uploaded = builtinMesh;
    shutdownFramework();
    EXPECT_EQ(defaultShader, nullptr);
    EXPECT_EQ(currentProgram(), 0);
    EXPECT_EQ(glIsBuffer(uploaded.vbo), GL_FALSE);
    EXPECT_EQ(glIsBuffer(uploaded.ebo), GL_FALSE);
    EXPECT_EQ(glIsVertexArray(uploaded.vao), GL_FALSE);
}

TEST_F(FrameworkGl, RefusesToStartWithoutContext)
{
    glfwMakeContextCurrent(nullptr);
    ::testing::internal::CaptureStdout();
    const bool started = initFramework();
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "No context available. Exiting.\n");
    glfwMakeContextCurrent(window);
    EXPECT_FALSE(started);
    EXPECT_EQ(builtinMesh.vao, 0u);
}

TEST_F(FrameworkGl, ScreenshotOfOddWidthReadsTheClearColour)
{
    constexpr std::uint32_t Width = 3;
    constexpr std::uint32_t Height = 2;
    glClearColor(0.2f, 0.4f, 0.6f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    const ScratchFolder folder{"korvel-clear-shot"};
    const fs::path base = folder.path("clear");
    ASSERT_TRUE(saveScreenshot(base.string(), Width, Height));

    std::string row;
    for (std::uint32_t x = 0; x < Width; ++x)
        row += " 51 102 153 ";
    EXPECT_EQ(readWholeFile(base.string() + ".ppm"), "P3\n3 2\n255\n" + row + "\n" + row + "\n");
}

TEST_F(FrameworkGl, EveryBuiltinProgramCompilesAndLinks)
{
    for (const auto& [name, sources] : BuiltinShaderTable) {
        const GLuint vertex = compile(GL_VERTEX_SHADER, decodeBuiltinShaderText(sources.vertex));
        const GLuint fragment = compile(GL_FRAGMENT_SHADER, decodeBuiltinShaderText(sources.fragment));
        EXPECT_NE(vertex, 0u) << name;
        EXPECT_NE(fragment, 0u) << name;
        const GLuint program = glCreateProgram();
        glAttachShader(program, vertex);
        glAttachShader(program, fragment);
        glLinkProgram(program);
        GLint linked = 0;
        glGetProgramiv(program, GL_LINK_STATUS, &linked);
        EXPECT_NE(linked, 0) << name;
        glDeleteProgram(program);
        glDeleteShader(vertex);
        glDeleteShader(fragment);
    }
}
