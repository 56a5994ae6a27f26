// Prints the cost of lighting a full 800 x 800 frame with the model program:
// the floor of crossing A (eight torches in range) seen from above, once with
// the light grid and once with the loop over all 60 torches. Figures only.
#include <chrono>
#include <cstdio>
#include <memory>

#include <GL/glew.h>
#include <glm/gtc/matrix_transform.hpp>

#include "app/lighting.h"
#include "framework/shader.h"
#include "scene/light_grid_texture.h"
#include "scene/model.h"
#include "scene/model_program.h"
#include "support/gl_context.h"

namespace {

constexpr int FrameSize = 800;
constexpr int DrawsPerFigure = 20;

// A 20 x 20 floor square around the origin, facing +Y, with a material colour.
Mesh floorSquare()
{
    Mesh mesh;
    for (const glm::vec2 corner :
         {glm::vec2(-10, -10), glm::vec2(-10, 10), glm::vec2(10, 10), glm::vec2(10, -10)}) {
        Vertex vertex;
        vertex.position = {corner.x, 0.0f, corner.y};
        vertex.normal = {0.0f, 1.0f, 0.0f};
        mesh.vertices.push_back(vertex);
    }
    mesh.indices = {0, 1, 2, 0, 2, 3};
    mesh.materialColor = {0.6f, 0.6f, 0.6f};
    mesh.setupBuffers();
    return mesh;
}

double millisecondsPerFrame(const std::shared_ptr<Shader>& shader, const Mesh& floor)
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    floor.draw(shader);
    glFinish();
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < DrawsPerFigure; ++i) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        floor.draw(shader);
    }
    glFinish();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count() /
           DrawsPerFigure;
}

}  // namespace

int main()
{
    if (!ensureGlContext()) {
        std::printf("%s\n", glContextFailure().c_str());
        return 1;
    }
    {
        // The frame is an offscreen target of the full size; the shared window is small.
        const OffscreenTarget frame(FrameSize);
        glDisable(GL_DEPTH_TEST);  // one square: nothing to hide, as the figures have always been taken
        auto shader = std::make_shared<Shader>("assets/shaders/model.vert", "assets/shaders/model.frag");
        const LightGrid grid = buildLightGrid(torchLights());
        const LightGridTexture gridTexture(grid);
        const glm::vec3 crossing(2.45f, 1.0f, -42.5f);
        const glm::vec3 eye = crossing + glm::vec3(0.0f, 10.0f, 0.0f);
        ModelProgram program(shader);
        program.setLightingConstants(levelLightingConstants());
        shader->setUniform("viewProjMatrix", glm::ortho(-10.0f, 10.0f, -10.0f, 10.0f, 0.1f, 50.0f) *
                                                 glm::lookAt(eye, crossing, glm::vec3(0, 0, -1)));
        shader->setUniform("modelMatrix", glm::translate(glm::mat4(1.0f), crossing));
        shader->setUniform("cameraPos", eye);
        shader->setUniform("enableHaze", 1);
        shader->setUniform("lightSpaceMatrix", glm::mat4(1.0f));
        shader->setUniform("shadowMap", 9);
        const Mesh floor = floorSquare();
        glViewport(0, 0, FrameSize, FrameSize);
        program.setLightGrid(grid);
        std::printf("light grid (up to %d torches per cell): %.1f ms per %dx%d frame\n", LightGridSlots,
                    millisecondsPerFrame(shader, floor), FrameSize, FrameSize);
        shader->setUniform("lightGridCellSize", 0.0f);
        std::printf("loop over all %zu torches:          %.1f ms per %dx%d frame\n", torchLights().size(),
                    millisecondsPerFrame(shader, floor), FrameSize, FrameSize);
    }
    return 0;
}
