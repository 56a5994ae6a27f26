#include "app/frame_loop.h"

#include <chrono>
#include <optional>
#include <sstream>

#include <GL/glew.h>
#include <GLFW/glfw3.h>

#include "app/dynamic_resolution.h"
#include "app/level.h"
#include "app/physics_view.h"
#include "app/render_flags.h"
#include "app/render_passes.h"
#include "app/replay/run_options.h"
#include "app/scene_target.h"
#include "app/shadow_map.h"
#include "app/window_controls.h"
#include "audio/game_audio.h"
#include "framework/console.h"
#include "framework/framework_arguments.h"
#include "framework/screenshot.h"
#include "framework/screenshot_size.h"
#include "game/camera_math.h"
#include "game/rules.h"
#include "physics/physics_world.h"

namespace {

const char* const DefaultScreenshotName = "screenshot";

// The game's half of the frame: rules for the player, the spiders' patrols
// (stopping at the first that touches something) with their damage, and the
// skeleton's fall.
void updateGame(Level& level, float deltaTime, std::int64_t nowNanoseconds)
{
    level.player.refreshPosition();
    applyRules(level.player);
    if (updateSpiders(level.spiders, deltaTime))
        applySpiderDamage(level.player, nowNanoseconds);
    level.skeleton.update(deltaTime);
}

// What the sound needs of this frame: the camera as the listener, the player,
// its events and where the spiders are.
AudioFrameInput audioFrameInput(const Level& level, const glm::mat4& view, const glm::vec3& forward,
                                float deltaTime)
{
    AudioFrameInput input;
    input.deltaTime = deltaTime;
    input.listener.position = level.camera.eyePosition;
    input.listener.forward = forward;
    // The view matrix's second row is the camera's up direction in the world.
    input.listener.up = glm::vec3(view[0][1], view[1][1], view[2][1]);
    input.playerPosition = level.player.position;
    input.verticalVelocity = level.player.verticalVelocity;
    input.events = level.player.events;
    for (const Spider& spider : level.spiders)
        input.spiderPositions.emplace_back(spider.modelMatrix[3]);
    return input;
}

std::string screenshotName(const FrameworkArguments& arguments)
{
    return arguments.hasFilename ? arguments.filename : DefaultScreenshotName;
}

// In pixels; on a scaled display it differs from the window's size in screen
// coordinates, so the viewport asks for it every frame.
PixelSize framebufferSize(GLFWwindow* window)
{
    PixelSize size;
    glfwGetFramebufferSize(window, &size.width, &size.height);
    return size;
}

// The share of the framebuffer each frame's 3-D passes draw: fixed, or picked
// by the controller from the times of the frames before.
class FrameScale {
public:
    explicit FrameScale(const RenderScaleSettings& settings) : fixed(settings.scale)
    {
        if (settings.automatic)
            controller.emplace(settings.targetFps, settings.minRenderScale);
    }

    float scale() const { return controller ? controller->scale() : fixed; }

    // After the swap: the time since the previous frame's swap goes to the controller.
    void frameFinished()
    {
        const auto now = std::chrono::steady_clock::now();
        if (controller) {
            chosen.add(controller->scale());
            if (previousEnd)
                controller->frameFinished(std::chrono::duration<double>(now - *previousEnd).count());
        }
        previousEnd = now;
    }

    // Under auto, after the run: "Render scale auto: median 0.6, from 0.5 to 1, 12 changes".
    void printChoices() const
    {
        if (!controller || chosen.empty())
            return;
        std::ostringstream line;
        line << "Render scale auto: median " << chosen.median() << ", from " << chosen.lowest() << " to "
             << chosen.highest() << ", " << chosen.changes() << " changes";
        printLine(line.str());
    }

private:
    ScaleTally chosen;  // under auto
    float fixed = 1.0f;
    std::optional<DynamicResolution> controller;
    std::optional<std::chrono::steady_clock::time_point> previousEnd;
};

// The settings' size where the framebuffer agrees with it, else the whole
// framebuffer, with a line that says so.
bool saveHeadlessScreenshot(const FrameworkArguments& arguments, const StartupSettings& settings,
                            const PixelSize& framebuffer)
{
    const std::string name = screenshotName(arguments);
    const ScreenshotSize size = chooseScreenshotSize(
        name + ".ppm", settings.window.width, settings.window.height, framebuffer.width, framebuffer.height);
    if (!size.note.empty())
        printLine(size.note);
    return saveScreenshot(name, size.width, size.height);
}

}  // namespace

bool runFrameLoop(GLFWwindow* window, Level& level, const StartupSettings& settings,
                  const FrameworkArguments& arguments, RunOptions& run, GameAudio& audio)
{
    bool outputsWritten = true;
    FrameSource& source = run.source();
    GameClock& clock = source.clock();
    WindowControls windowControls(window, run, level.camera, audio, settings.window, arguments.runHeadless);

    PhysicsView physicsView(*PhysicsWorld::scene, *level.controllerManager);

    const DrawMode drawMode = run.drawMode();
    if (drawMode == DrawMode::NoMap)
        renderFlags.showMap = false;
    const SceneLighting lighting = level.lighting;
    FrameScale frameScale(settings.renderScale);
    const bool throughSceneTarget = drawsThroughSceneTarget(settings.renderScale);
    SceneTarget sceneTarget;
    long frameNumber = 0;
    // The first frame's time step counts from the end of the level's assembly; its
    // forward direction is the camera's eye, still the origin, so it walks nowhere.
    float previousTime = level.assembledAt;
    glm::vec3 forward = level.camera.eyePosition;

    run.startTiming();
    while (windowControls.sitOutPause() && source.beginFrame()) {
        ++frameNumber;
        clearColourAndDepth();
        const PixelSize framebuffer = framebufferSize(window);
        const float now = static_cast<float>(clock.frameSeconds());
        const float deltaTime = source.frameTime(now - previousTime);
        level.camera.aspect = windowControls.aspect(framebuffer.width, framebuffer.height);
        const glm::mat4 projection = level.camera.projection();

        // 1. Depth from the shadow light; then the visible pass's target: at a
        //    fixed render scale of 1 the window, otherwise the multisampled scene
        //    target, the window's size or a fraction of it (the window itself
        //    when the driver refused it). A minimised window has no pixels to draw.
        const bool drawing = drawMode != DrawMode::Clear && framebuffer.width > 0 && framebuffer.height > 0;
        const glm::mat4 lightSpace = shadowLightSpaceMatrix();
        if (drawing) {
            renderShadowPass(level, lightSpace);
            const PixelSize drawn = scaledSize(framebuffer.width, framebuffer.height, frameScale.scale());
            const bool offScreen = throughSceneTarget && sceneTarget.bind(drawn, framebuffer);
            const PixelSize visible = offScreen ? drawn : framebuffer;
            prepareVisiblePass(level, visible.width, visible.height);
        }

        // 2. Input, then the player and the camera, so this frame shows their new state.
        glfwPollEvents();
        run.frameInput(source.collectInput(level.camera, level.player, deltaTime));
        level.player.update(source.keys(), deltaTime, forward);
        const glm::mat4 view = level.camera.computeView(level.player);
        forward = viewForward(view);

        // 3. The visible pass: the skeleton's clip advances and the skeleton is
        //    drawn in the pose before it, then the level and the spiders, then the
        //    physics view over them when F5 has it on (below render scale 1 over
        //    the picture scaled up), and the samples go to the window. Without
        //    drawing, the clip still advances.
        LitFrame frame;
        frame.viewProjection = projection * view;
        frame.cameraPosition = level.camera.eyePosition;
        frame.lightSpace = lightSpace;
        frame.hazeEnabled = renderFlags.showHaze;
        if (drawing) {
            setModelProgramUniforms(level, frame);
            setSkinningProgramUniforms(level, frame, lighting);
            advanceAndDrawSkeleton(level, deltaTime);
            drawVisibleLevel(level, renderFlags.showMap, lighting);
            sceneTarget.endScene();
            physicsView.draw(frame.viewProjection, renderFlags.showPhysics);
            sceneTarget.endFrame();
        } else {
            level.animationPlayer.advance(deltaTime);
        }

        // 4. The game advances; what it changes shows in the next frame.
        updateGame(level, deltaTime, clock.steadyNanoseconds());

        // 5. What this frame sounds like; its events are then spent.
        audio.frame(audioFrameInput(level, view, forward, deltaTime));
        level.player.events = PlayerEvents{};

        // The back buffer is only defined until the swap, so the last headless
        // frame is read back just before it.
        const bool lastFrame = source.endsAfterThisFrame(arguments.runHeadless);
        if (run.screenshotWanted(frameNumber))
            outputsWritten = saveScreenshot(screenshotName(arguments) + "_" + std::to_string(frameNumber),
                                            static_cast<std::uint32_t>(framebuffer.width),
                                            static_cast<std::uint32_t>(framebuffer.height)) &&
                             outputsWritten;
        if (arguments.runHeadless && lastFrame)
            outputsWritten = saveHeadlessScreenshot(arguments, settings, framebuffer);
        if (drawing)
            windowControls.beforeSwap(framebuffer.width, framebuffer.height);
        glfwSwapBuffers(window);
        windowControls.afterSwap();
        run.frameFinished();
        frameScale.frameFinished();
        if (lastFrame || glfwWindowShouldClose(window))
            break;
        previousTime = now;
    }
    const bool timesWritten = run.finish();
    frameScale.printChoices();
    return timesWritten && outputsWritten;
}
