// The real model and skinning programs rendering into an offscreen target,
// read back pixel by pixel: ambient, torch pools, the lava glow and its
// shadow, flames, haze, the light grid against the full light loop, skinning.
#include <gtest/gtest.h>
#include "support/skip_or_fail.h"

#include <array>
#include <cstdlib>
#include <memory>

#include <GL/glew.h>
#include <glm/gtc/matrix_transform.hpp>

#include "app/lighting.h"
#include "framework/shader.h"
#include "support/gl_context.h"
#include "scene/light_grid_texture.h"
#include "scene/model.h"
#include "scene/model_program.h"
#include "scene/skinning_program.h"

namespace {

constexpr int TargetSize = 32;
constexpr int Centre = TargetSize / 2;
constexpr int Tolerance = 3;  // 8-bit steps
using Rgb = std::array<int, 3>;

// Ambient only: 0.1 of the surface colour, in 8-bit steps.
Rgb ambientOf(const Rgb& surface)
{
    return {surface[0] / 10, surface[1] / 10, surface[2] / 10};
}

void expectNear(const Rgb& actual, const Rgb& expected, int tolerance = Tolerance)
{
    for (int c = 0; c < 3; ++c)
        EXPECT_NEAR(actual[c], expected[c], tolerance)
            << "channel " << c << " of (" << actual[0] << ", " << actual[1] << ", " << actual[2] << ")";
}

GLuint solidTexture(const Rgb& colour, GLenum format = GL_RGB)
{
    GLuint id = 0;
    glGenTextures(1, &id);
    glBindTexture(GL_TEXTURE_2D, id);
    const float texel[4] = {colour[0] / 255.0f, colour[1] / 255.0f, colour[2] / 255.0f, 1.0f};
    glTexImage2D(GL_TEXTURE_2D, 0, static_cast<GLint>(format), 1, 1, 0,
                 format == GL_DEPTH_COMPONENT ? GL_DEPTH_COMPONENT : GL_RGBA, GL_FLOAT, texel);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    return id;
}

// A 2 x 2 floor tile facing +Y around the model origin, every vertex held by bone 0
// when `skinned`.
Mesh floorTile(GLuint texture, const glm::vec3& colour, bool skinned = false)
{
    Mesh mesh;
    const glm::vec2 corners[] = {{-1, -1}, {-1, 1}, {1, 1}, {1, -1}};
    for (const glm::vec2& corner : corners) {
        Vertex vertex;
        vertex.position = {corner.x, 0.0f, corner.y};
        vertex.normal = {0.0f, 1.0f, 0.0f};
        vertex.texCoords = (corner + 1.0f) * 0.5f;
        if (skinned) {
            vertex.boneIds[0] = 0;
            vertex.boneWeights[0] = 1.0f;
        }
        mesh.vertices.push_back(vertex);
    }
    mesh.indices = {0, 1, 2, 0, 2, 3};
    if (texture)
        mesh.textures.push_back({texture, "texture_diffuse", "solid"});
    mesh.materialColor = colour;
    mesh.setupBuffers();
    return mesh;
}

class LitRendering : public testing::Test {
protected:
    void SetUp() override
    {
        if (!ensureGlContext())
            SKIP_OR_FAIL(glContextFailure());
        target = std::make_unique<OffscreenTarget>(TargetSize);
        testing::internal::CaptureStdout();
        model = std::make_shared<Shader>("assets/shaders/model.vert", "assets/shaders/model.frag");
        skinning = std::make_shared<Shader>("assets/shaders/skinning.vert", "assets/shaders/skinning.frag");
        testing::internal::GetCapturedStdout();
        grid = std::make_unique<LightGridTexture>(lightGrid);
        modelProgram = std::make_unique<ModelProgram>(model);
        modelProgram->setLightingConstants(levelLightingConstants());
        modelProgram->setLightGrid(lightGrid);
        SkinningProgram skinningProgram(skinning);
        skinningProgram.setLightingConstants(levelLightingConstants());
        skinningProgram.setLightGrid(lightGrid);
        for (const auto& shader : {model, skinning}) {
            shader->use();
            shader->setUniform("shadowMap", 9);
            shader->setUniform("finalBonesMatrices[0]", glm::mat4(1.0f));
        }
    }

    // Looks straight down at `centre` (10 units above it) over a 2 x 2 square;
    // the shadow light's box is moved away unless a light-space matrix is given.
    void frameOn(Shader& shader, const glm::vec3& centre, int haze = 0,
                 const glm::mat4& lightSpace = glm::translate(glm::mat4(1.0f), glm::vec3(50.0f)))
    {
        const glm::vec3 eye = centre + glm::vec3(0.0f, 10.0f, 0.0f);
        const glm::mat4 view = glm::lookAt(eye, centre, glm::vec3(0.0f, 0.0f, -1.0f));
        shader.use();
        shader.setUniform("viewProjMatrix", glm::ortho(-1.0f, 1.0f, -1.0f, 1.0f, 0.1f, 50.0f) * view);
        shader.setUniform("cameraPos", eye);
        shader.setUniform("enableHaze", haze);
        shader.setUniform("lightSpaceMatrix", lightSpace);
        shader.setUniform("modelMatrix", glm::translate(glm::mat4(1.0f), centre));
    }

    Rgb drawTile(const std::shared_ptr<Shader>& shader, const Mesh& tile, int x = Centre, int y = Centre)
    {
        target->clear();
        tile.draw(shader);
        return target->pixel(x, y);
    }

    std::unique_ptr<OffscreenTarget> target;
    std::shared_ptr<Shader> model;
    std::unique_ptr<ModelProgram> modelProgram;
    std::shared_ptr<Shader> skinning;
    LightGrid lightGrid = buildLightGrid(torchLights());
    std::unique_ptr<LightGridTexture> grid;
};

// Far from every torch and from the lava: 60 units from the nearest light.
const glm::vec3 DarkSpot{150.0f, 1.0f, 20.0f};
// The floor under torch 59 in the start room's corner.
const glm::vec3 UnderTorch{8.4f, 1.0f, 8.5f};
// The floor under the lava light, out of every torch's range.
const glm::vec3 UnderLava{-0.4f, 1.0f, 5.4f};

TEST_F(LitRendering, FarFromLightsOnlyTheAmbientTermRemains)
{
    const Rgb stone{200, 100, 50};
    frameOn(*model, DarkSpot);
    expectNear(drawTile(model, floorTile(solidTexture(stone), {0, 1, 0})), ambientOf(stone));
    const Rgb paint{51, 102, 204};
    const Mesh coloured = floorTile(0, glm::vec3(0.2f, 0.4f, 0.8f));
    expectNear(drawTile(model, coloured), ambientOf(paint));
}

TEST_F(LitRendering, TorchMakesAWarmPoolThatFadesWithDistance)
{
    const Mesh tile = floorTile(solidTexture({255, 255, 255}), {0, 1, 0});
    frameOn(*model, UnderTorch);
    const Rgb centre = drawTile(model, tile);
    const Rgb edge = drawTile(model, tile, 1, 1);  // about 1.4 units further out
    EXPECT_GE(centre[0], centre[1]);
    EXPECT_GT(centre[1], centre[2]);
    EXPECT_GT(centre[2], 4 * 26) << "several times brighter than the ambient term";
    EXPECT_LT(edge[2], centre[2]);
}

TEST_F(LitRendering, LightGridLightsLikeTheFullLoop)
{
    const Mesh tile = floorTile(solidTexture({255, 255, 255}), {0, 1, 0});
    // Crossing A has eight torches around it; the start room has the lava too.
    for (const glm::vec3& spot :
         {UnderTorch, glm::vec3(2.45f, 1.0f, -42.5f), glm::vec3(5.5f, 1.0f, -38.2f)}) {
        for (const auto& [x, y] : {std::pair{Centre, Centre}, std::pair{3, 29}, std::pair{30, 2}}) {
            frameOn(*model, spot);
            modelProgram->setLightGrid(lightGrid);
            const Rgb withGrid = drawTile(model, tile, x, y);
            model->setUniform("lightGridCellSize", 0.0f);
            const Rgb everyLight = drawTile(model, tile, x, y);
            expectNear(withGrid, everyLight, 1);
        }
    }
}

TEST_F(LitRendering, LavaGlowsRedUnlessTheShadowMapHidesIt)
{
    const Mesh tile = floorTile(solidTexture({255, 255, 255}), {0, 1, 0});
    frameOn(*model, UnderLava);
    const Rgb lit = drawTile(model, tile);
    EXPECT_GT(lit[0], 150);
    expectNear({lit[1], lit[2], 0}, {26, 26, 0});

    // The shadow light looks down on the tile; a map of depth 0 means something
    // nearer covers it everywhere, a map of depth 1 means nothing does.
    const glm::vec3 above = UnderLava + glm::vec3(0.0f, 10.0f, 0.0f);
    const glm::mat4 lightSpace = glm::ortho(-5.0f, 5.0f, -5.0f, 5.0f, 0.1f, 50.0f) *
                                 glm::lookAt(above, UnderLava, glm::vec3(0.0f, 0.0f, -1.0f));
    for (const auto& [depth, shadowed] : {std::pair{0.0f, true}, std::pair{1.0f, false}}) {
        glActiveTexture(GL_TEXTURE9);
        const int level = static_cast<int>(depth * 255.0f);
        glBindTexture(GL_TEXTURE_2D, solidTexture({level, level, level}, GL_DEPTH_COMPONENT));
        glActiveTexture(GL_TEXTURE0);
        frameOn(*model, UnderLava, 0, lightSpace);
        const Rgb seen = drawTile(model, tile);
        if (shadowed)
            expectNear(seen, {26, 26, 26});
        else
            EXPECT_GT(seen[0], 150);
    }
}

TEST_F(LitRendering, FlameAtATorchShowsItsOwnColour)
{
    const Rgb flame{250, 150, 40};
    const glm::vec3 torch = torchLights()[59];
    frameOn(*model, torch);
    expectNear(drawTile(model, floorTile(solidTexture(flame), {0, 1, 0})), flame);
}

TEST_F(LitRendering, HazeDarkensWithDistanceFromTheCamera)
{
    // Grey, so that no channel of the lit tile saturates.
    const Mesh tile = floorTile(solidTexture({100, 100, 100}), {0, 1, 0});
    frameOn(*model, UnderTorch);
    const Rgb clear = drawTile(model, tile);
    frameOn(*model, UnderTorch, 1);  // camera 10 units away: a third into the haze
    const Rgb hazy = drawTile(model, tile);
    for (int c = 0; c < 3; ++c)
        EXPECT_NEAR(hazy[c], clear[c] * 2 / 3, Tolerance);
    model->setUniform("cameraPos", UnderTorch + glm::vec3(0.0f, 25.0f, 0.0f));
    expectNear(drawTile(model, tile), {0, 0, 0});
}

TEST_F(LitRendering, SkinningMovesVerticesWithTheirBone)
{
    const Mesh tile = floorTile(0, glm::vec3(0.2f, 0.4f, 0.8f), true);
    frameOn(*skinning, DarkSpot);
    skinning->setUniform("normalMatrix", glm::mat3(1.0f));
    // The tile's bone carries it 3 units east, out of view, then back.
    skinning->setUniform("finalBonesMatrices[0]", glm::translate(glm::mat4(1.0f), glm::vec3(3, 0, 0)));
    expectNear(drawTile(skinning, tile), {0, 0, 0});
    skinning->setUniform("finalBonesMatrices[0]", glm::mat4(1.0f));
    expectNear(drawTile(skinning, tile), {5, 10, 20});
}

}  // namespace
