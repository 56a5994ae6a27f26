#include "app/frame_loop.h"

#include <GL/glew.h>
#include <GLFW/glfw3.h>

#include "app/cursor_callback.h"
#include "app/level.h"
#include "app/render_flags.h"
#include "app/render_passes.h"
#include "app/run_options.h"
#include "app/shadow_map.h"
#include "framework/framework_arguments.h"
#include "framework/screenshot.h"
#include "game/camera_math.h"
#include "game/rules.h"

namespace {

const char* const DefaultScreenshotName = "screenshot";

// The game's half of the frame: rules for the player, the spiders' patrols
// (stopping at the first that touches something) with their damage, and the
// skeleton's fall.
void updateGame(Level& level, float deltaTime, std::int64_t nowNanoseconds)
{
    level.player.refreshPosition();
    applyRules(level.player);
    if (updateSpiders(level.spiders, spiderPatrolAxes(), deltaTime))
        applySpiderDamage(level.player, nowNanoseconds);
    level.skeleton.update(deltaTime);
}

SceneLighting sceneLighting(DrawMode drawMode, bool staticLightStored)
{
    SceneLighting lighting;
    if (drawMode == DrawMode::Unlit) {
        lighting.staticScenery = LightingMode::None;
        lighting.others = LightingMode::None;
    } else if (!staticLightStored) {
        lighting.staticScenery = LightingMode::PerPixel;
    }
    return lighting;
}

std::string screenshotName(const FrameworkArguments& arguments)
{
    return arguments.hasFilename ? arguments.filename : DefaultScreenshotName;
}

}  // namespace

bool runFrameLoop(GLFWwindow* window, Level& level, const StartupSettings& settings,
                  const FrameworkArguments& arguments, RunOptions& run)
{
    bool outputsWritten = true;
    FrameSource& source = run.source();
    GameClock& clock = source.clock();
    setCursorTarget(&run, &level.camera);
    const glm::mat4 projection = level.camera.projection();
    const int width = settings.window.width;
    const int height = settings.window.height;

    const DrawMode drawMode = run.drawMode();
    if (drawMode == DrawMode::NoMap)
        renderFlags.showMap = false;
    const SceneLighting lighting = sceneLighting(drawMode, level.staticLight != nullptr);
    long frameNumber = 0;

    run.startTiming();
    while (source.beginFrame()) {
        ++frameNumber;
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        const float now = static_cast<float>(clock.frameSeconds());
        const float deltaTime = source.frameTime(now - level.previousTime);

        // 1. Depth from the shadow light.
        const bool drawing = drawMode != DrawMode::Clear;
        const glm::mat4 lightSpace = shadowLightSpaceMatrix();
        if (drawing) {
            renderShadowPass(level, lightSpace);
            prepareVisiblePass(level, width, height);
        }

        // 2. Input, then the player and the camera, so this frame shows their new state.
        glfwPollEvents();
        run.frameInput(source.collectInput(level.camera, level.player, deltaTime));
        level.player.update(source.keys(), deltaTime, level.forward);
        const glm::mat4 view = level.camera.computeView(level.player);
        level.forward = viewForward(view);

        // 3. The visible pass: skinned skeleton, then the level and the spiders.
        FrameView frame;
        frame.viewProjection = projection * view;
        frame.cameraPosition = level.camera.eyePosition;
        frame.lightSpace = lightSpace;
        frame.hazeEnabled = renderFlags.showHaze;
        frame.lighting = lighting;
        if (drawing) {
            setModelProgramUniforms(level, frame);
            setSkinningProgramUniforms(level, frame);
            drawAnimatedSkeleton(level, deltaTime);
            drawVisibleLevel(level, renderFlags.showMap, frame.lighting);
        } else {
            level.animationPlayer.advance(deltaTime);
        }

        // 4. The game advances; what it changes shows in the next frame.
        updateGame(level, deltaTime, clock.steadyNanoseconds());

        // The back buffer is only defined until the swap, so the last headless
        // frame is read back just before it.
        const bool lastFrame = source.endsAfterThisFrame(arguments.runHeadless);
        if (run.screenshotWanted(frameNumber))
            outputsWritten = saveScreenshot(screenshotName(arguments) + "_" + std::to_string(frameNumber),
                                            static_cast<std::uint32_t>(width),
                                            static_cast<std::uint32_t>(height)) && outputsWritten;
        if (arguments.runHeadless && lastFrame)
            outputsWritten = saveScreenshot(screenshotName(arguments), static_cast<std::uint32_t>(width),
                                            static_cast<std::uint32_t>(height));
        glfwSwapBuffers(window);
        run.frameFinished();
        if (lastFrame || glfwWindowShouldClose(window))
            break;
        level.previousTime = now;
    }
    setCursorTarget(nullptr, nullptr);
    return run.finish() && outputsWritten;
}
