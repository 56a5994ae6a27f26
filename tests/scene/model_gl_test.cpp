// Loading models onto the GPU and drawing their meshes: texture reuse, failed
// and unusual images, the vertex buffer after scaling, sampler uniforms.
#include <gtest/gtest.h>
#include "support/skip_or_fail.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <memory>
#include <string>

#include <GL/glew.h>

#include "app/lighting.h"
#include "framework/shader.h"
#include "support/gl_context.h"
#include "scene/model.h"
#include "scene/model_program.h"
#include "scene/texture_image.h"
#include "scene/texture_upload.h"
#include "support/image_files.h"
#include "support/scratch_folder.h"
#include "support/test_files.h"

namespace {

const char* quadsObj = R"(mtllib quads.mtl
v 0 0 0
v 2 0 0
v 2 2 0
v 0 2 0
v 0 0 2
v 2 0 2
v 2 2 2
v 0 2 2
vt 0 0
vt 1 0
vt 1 1
vt 0 1
vn 0 0 1
o first
usemtl stone
f 1/1/1 2/2/1 3/3/1 4/4/1
o second
usemtl stoneTwo
f 5/1/1 6/2/1 7/3/1 8/4/1
)";

std::string quadsMtl(const std::string& firstImage, const std::string& secondImage)
{
    return "newmtl stone\nKd 1 1 1\nmap_Kd " + firstImage +
           "\nnorm textures/normal.png\n"
           "newmtl stoneTwo\nKd 0.5 0.5 0.5\nmap_Kd " +
           secondImage + "\n";
}

class ModelGl : public testing::Test {
protected:
    void SetUp() override
    {
        if (!ensureGlContext())
            SKIP_OR_FAIL(glContextFailure());
    }

    // Writes the two-quad model naming the given images; returns the OBJ path.
    std::string writeQuads(const std::string& firstImage, const std::string& secondImage)
    {
        writeWholeFile(folder.path("quads/quads.obj"), quadsObj);
        writeWholeFile(folder.path("quads/quads.mtl"), quadsMtl(firstImage, secondImage));
        writeSolidPng(folder.path("quads/textures/normal.png"), 4, 4, {128, 128, 255});
        return folder.path("quads/quads.obj");
    }

    ScratchFolder folder;
};

GLint textureLevelValue(GLuint texture, GLenum what)
{
    GLint value = 0;
    glBindTexture(GL_TEXTURE_2D, texture);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, what, &value);
    return value;
}

TEST_F(ModelGl, MeshesNamingOneImageShareItsTextureAndBuffersHoldScaledPositions)
{
    // Five pixels wide: three-channel rows that are not four-byte aligned.
    writeSolidPng(folder.path("quads/textures/stone.png"), 5, 3, {200, 100, 50});
    testing::internal::CaptureStdout();
    const Model model(writeQuads("textures/stone.png", "textures/stone.png"), false, 0.5f);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");

    ASSERT_EQ(model.meshes.size(), 2u);
    EXPECT_EQ(model.loadedTextures.size(), 2u) << "stone once, normal map once";
    ASSERT_EQ(model.meshes[0].textures.size(), 2u);
    EXPECT_EQ(model.meshes[0].textures[0].id, model.meshes[1].textures[0].id);
    EXPECT_EQ(textureLevelValue(model.meshes[0].textures[0].id, GL_TEXTURE_WIDTH), 5);
    EXPECT_FLOAT_EQ(model.extentX, 1.0f);

    std::vector<Vertex> onGpu(model.meshes[1].vertices.size());
    glBindBuffer(GL_ARRAY_BUFFER, model.meshes[1].vbo);
    glGetBufferSubData(GL_ARRAY_BUFFER, 0, static_cast<GLsizeiptr>(onGpu.size() * sizeof(Vertex)),
                       onGpu.data());
    EXPECT_EQ(onGpu[2].position, glm::vec3(1.0f, 1.0f, 1.0f));
    EXPECT_EQ(onGpu[2].texCoords, model.meshes[1].vertices[2].texCoords);
}

TEST_F(ModelGl, ImageThatFailsToDecodeIsReportedByItsMaterialPathAndStillNamed)
{
    writeWholeFile(folder.path("quads/textures/broken.png"), "not a png");
    writeSolidPng(folder.path("quads/textures/stone.png"), 4, 4, {1, 2, 3});
    testing::internal::CaptureStdout();
    const Model model(writeQuads("textures/broken.png", "textures/stone.png"), false, 1.0f);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Texture failed to load at path: textures/broken.png\n");
    ASSERT_EQ(model.meshes.size(), 2u);
    EXPECT_NE(model.meshes[0].textures[0].id, 0u);
    EXPECT_EQ(textureLevelValue(model.meshes[0].textures[0].id, GL_TEXTURE_WIDTH), 0);
}

TEST_F(ModelGl, PathWithoutSlashLooksForTexturesInsideAFolderNamedLikeTheFile)
{
    writeSolidPng(folder.path("quads/textures/stone.png"), 4, 4, {1, 2, 3});
    const std::string path = writeQuads("textures/stone.png", "textures/stone.png");
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(folder.path("quads"));
    testing::internal::CaptureStdout();
    const Model model("quads.obj", false, 1.0f);
    const std::string output = testing::internal::GetCapturedStdout();
    std::filesystem::current_path(previous);

    EXPECT_EQ(model.directory, "quads.obj");
    EXPECT_EQ(model.meshes.size(), 2u);
    EXPECT_EQ(output, "Texture failed to load at path: textures/stone.png\n"
                      "Texture failed to load at path: textures/normal.png\n");
}

TEST_F(ModelGl, GreyAlphaImageShowsGreyWithItsAlpha)
{
    writeSolidPng(folder.path("quads/textures/ga.png"), 2, 2, {60, 180});
    const Model model(writeQuads("textures/ga.png", "textures/ga.png"), false, 1.0f);
    ASSERT_FALSE(model.meshes.empty());
    glBindTexture(GL_TEXTURE_2D, model.meshes[0].textures[0].id);
    std::vector<std::uint8_t> pixels(2 * 2 * 4);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    EXPECT_EQ((std::vector<std::uint8_t>(pixels.begin(), pixels.begin() + 4)),
              (std::vector<std::uint8_t>{60, 60, 60, 180}));
}

// Every image goes up as four channels, so that the driver prepares one texture
// format rather than one per channel count, and reads back as its own channels
// would: grey as a red texture reads, RGB opaque, sRGB only for colour asked for
// with gamma.
TEST_F(ModelGl, EveryImageGoesUpAsRgbaAndReadsAsItsOwnChannels)
{
    struct UploadCase {
        std::vector<std::uint8_t> colour;
        bool gamma;
        std::vector<std::uint8_t> readBack;
        GLint internalFormat;
    };
    const UploadCase cases[] = {
        {{70}, false, {70, 0, 0, 255}, GL_RGBA},
        {{70}, true, {70, 0, 0, 255}, GL_RGBA},
        {{200, 100, 50}, false, {200, 100, 50, 255}, GL_RGBA},
        {{200, 100, 50}, true, {200, 100, 50, 255}, GL_SRGB_ALPHA},
        {{10, 20, 30, 40}, false, {10, 20, 30, 40}, GL_RGBA},
    };
    for (const UploadCase& upload : cases) {
        const std::string what =
            std::to_string(upload.colour.size()) + " channels, gamma " + (upload.gamma ? "on" : "off");
        writeSolidPng(folder.path("quads/textures/image.png"), 3, 3, upload.colour);
        const Model model(writeQuads("textures/image.png", "textures/image.png"), upload.gamma, 1.0f);
        ASSERT_FALSE(model.meshes.empty()) << what;
        const GLuint texture = model.meshes[0].textures[0].id;
        EXPECT_EQ(textureLevelValue(texture, GL_TEXTURE_INTERNAL_FORMAT), upload.internalFormat) << what;
        std::vector<std::uint8_t> pixels(3 * 3 * 4);
        glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
        EXPECT_EQ((std::vector<std::uint8_t>(pixels.begin() + 16, pixels.begin() + 20)), upload.readBack)
            << what;
    }
}

// The mipmap levels made without the driver are the ones it makes itself, to the
// byte, so no picture changed when the game stopped asking it; a chain of
// another size or content would show as a failure here. sRGB images still have
// the driver build theirs (in linear light) and are whole down to one texel.
TEST_F(ModelGl, MipmapLevelsAreTheDriversOwnAndEveryChainIsComplete)
{
    constexpr int Width = 16;
    constexpr int Height = 8;
    std::vector<std::uint8_t> rgba(Width * Height * 4);
    unsigned seed = 12345;
    for (std::uint8_t& value : rgba) {
        seed = seed * 1103515245u + 12345u;
        value = static_cast<std::uint8_t>(seed >> 16);
    }
    GLuint textures[3] = {0, 0, 0};
    glGenTextures(3, textures);
    glBindTexture(GL_TEXTURE_2D, textures[0]);
    uploadModelTexture(rgba, Width, Height, GL_RGBA);
    glBindTexture(GL_TEXTURE_2D, textures[1]);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, Width, Height, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    glGenerateMipmap(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, textures[2]);
    uploadModelTexture(rgba, Width, Height, GL_SRGB_ALPHA);
    const auto level = [](GLuint texture, int index, int texels) {
        std::vector<std::uint8_t> read(static_cast<std::size_t>(texels) * 4);
        glBindTexture(GL_TEXTURE_2D, texture);
        glGetTexImage(GL_TEXTURE_2D, index, GL_RGBA, GL_UNSIGNED_BYTE, read.data());
        return read;
    };
    // 16 x 8 down to 1 x 1 is four halvings.
    for (int index = 1, width = Width / 2, height = Height / 2; index <= 4;
         ++index, width = std::max(width / 2, 1), height = std::max(height / 2, 1))
        EXPECT_EQ(level(textures[0], index, width * height), level(textures[1], index, width * height))
            << "level " << index;
    EXPECT_EQ(textureLevelValue(textures[2], GL_TEXTURE_WIDTH), Width);
    glBindTexture(GL_TEXTURE_2D, textures[2]);
    GLint lastWidth = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 4, GL_TEXTURE_WIDTH, &lastWidth);
    EXPECT_EQ(lastWidth, 1);
    glDeleteTextures(3, textures);
}

TEST_F(ModelGl, OversizedImageIsRefusedWithALineAndNotUploaded)
{
    writeSolidPng(folder.path("quads/textures/wide.png"), MaxTextureSide + 1, 1, {9, 9, 9});
    testing::internal::CaptureStdout();
    const Model model(writeQuads("textures/wide.png", "textures/wide.png"), false, 1.0f);
    const std::string output = testing::internal::GetCapturedStdout();
    EXPECT_EQ(output.rfind("Texture too large to load at path: textures/wide.png (", 0), 0u) << output;
    EXPECT_EQ(textureLevelValue(model.meshes[0].textures[0].id, GL_TEXTURE_WIDTH), 0);
}

TEST_F(ModelGl, ImportFailureLeavesAnEmptyDrawableModel)
{
    testing::internal::CaptureStdout();
    const Model model(folder.path("absent/absent.obj"), false, 0.5f);
    const std::string output = testing::internal::GetCapturedStdout();
    EXPECT_EQ(output.rfind("ERROR::ASSIMP:: ", 0), 0u);
    EXPECT_TRUE(model.meshes.empty());
    EXPECT_TRUE(std::isinf(model.extentX));
    auto shader = std::make_shared<Shader>("assets/shaders/model.vert", "assets/shaders/model.frag");
    shader->use();
    model.draw(shader);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

class MeshDraw : public ModelGl {
protected:
    void SetUp() override
    {
        ModelGl::SetUp();
        if (IsSkipped())
            return;
        testing::internal::CaptureStdout();
        shader = std::make_shared<Shader>("assets/shaders/model.vert", "assets/shaders/model.frag");
        testing::internal::GetCapturedStdout();
        shader->use();
    }

    GLint intUniform(const char* name) const
    {
        GLint value = -99;
        glGetUniformiv(shader->program, glGetUniformLocation(shader->program, name), &value);
        return value;
    }

    std::shared_ptr<Shader> shader;
};

Mesh meshWithTextures(const std::vector<std::string>& types)
{
    Mesh mesh;
    mesh.vertices.resize(3);
    mesh.indices = {0, 1, 2};
    for (const std::string& type : types) {
        GLuint id = 0;
        glGenTextures(1, &id);
        mesh.textures.push_back({id, type, "t.png"});
    }
    mesh.materialColor = {0.25f, 0.5f, 0.75f};
    mesh.setupBuffers();
    return mesh;
}

TEST_F(MeshDraw, DiffuseAndNormalMapGoToUnitsZeroAndOneWithOneDraw)
{
    const Mesh mesh = meshWithTextures({"texture_diffuse", "normalMap"});
    GLuint query = 0;
    glGenQueries(1, &query);
    glBeginQuery(GL_PRIMITIVES_GENERATED, query);
    mesh.draw(shader);
    glEndQuery(GL_PRIMITIVES_GENERATED);
    GLuint primitives = 0;
    glGetQueryObjectuiv(query, GL_QUERY_RESULT, &primitives);
    EXPECT_EQ(primitives, 1u);

    EXPECT_EQ(intUniform("texture_diffuse1"), 0);
    EXPECT_EQ(intUniform("normalMap1"), 1);
    EXPECT_EQ(intUniform("hasDiffuseTexture"), 1);
    EXPECT_EQ(intUniform("hasNormalMap"), 1);
    GLfloat colour[3] = {0, 0, 0};
    glGetUniformfv(shader->program, glGetUniformLocation(shader->program, "materialColor"), colour);
    EXPECT_EQ(glm::vec3(colour[0], colour[1], colour[2]), mesh.materialColor);
    GLint active = 0;
    glGetIntegerv(GL_ACTIVE_TEXTURE, &active);
    EXPECT_EQ(active, GL_TEXTURE1) << "the last unit used stays active";
    GLint bound = -1;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(bound, 0);
    GLint vertexArray = -1;
    glGetIntegerv(GL_VERTEX_ARRAY_BINDING, &vertexArray);
    EXPECT_EQ(vertexArray, 0);
}

TEST_F(MeshDraw, MeshWithoutTexturesSaysSoAndLeavesTheActiveUnit)
{
    glActiveTexture(GL_TEXTURE3);
    const Mesh mesh = meshWithTextures({});
    mesh.draw(shader);
    EXPECT_EQ(intUniform("hasDiffuseTexture"), 0);
    GLint active = 0;
    glGetIntegerv(GL_ACTIVE_TEXTURE, &active);
    EXPECT_EQ(active, GL_TEXTURE3);
}

TEST_F(MeshDraw, TenTexturesUseUnitNineAndLeaveItUnbound)
{
    GLuint shadow = 0;
    glGenTextures(1, &shadow);
    glActiveTexture(GL_TEXTURE9);
    glBindTexture(GL_TEXTURE_2D, shadow);
    const Mesh mesh = meshWithTextures(std::vector<std::string>(10, "texture_diffuse"));
    mesh.draw(shader);
    glActiveTexture(GL_TEXTURE9);
    GLint bound = -1;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(bound, 0);
}

TEST_F(MeshDraw, DrawWithMatrixSetsTheModelMatrixFirst)
{
    Model model;
    model.meshes.push_back(meshWithTextures({}));
    glm::mat4 placement(1.0f);
    placement[3] = glm::vec4(3.0f, 4.0f, 5.0f, 1.0f);
    drawWithMatrix(shader, model, placement);
    GLfloat stored[16] = {};
    glGetUniformfv(shader->program, glGetUniformLocation(shader->program, "modelMatrix"), stored);
    EXPECT_FLOAT_EQ(stored[12], 3.0f);
    EXPECT_FLOAT_EQ(stored[14], 5.0f);
}

TEST_F(MeshDraw, LightingConstantsReachTheModelProgram)
{
    ModelProgram(shader).setLightingConstants(levelLightingConstants());
    EXPECT_EQ(intUniform("numLights"), 60);
    GLfloat last[3] = {};
    glGetUniformfv(shader->program, glGetUniformLocation(shader->program, "lightPositions[59]"), last);
    EXPECT_EQ(glm::vec3(last[0], last[1], last[2]), glm::vec3(8.4f, 3.3f, 8.5f));
    GLfloat haze = 0.0f;
    glGetUniformfv(shader->program, glGetUniformLocation(shader->program, "hazeEnd"), &haze);
    EXPECT_FLOAT_EQ(haze, 20.0f);
}

}  // namespace
