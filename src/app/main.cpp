// KORVEL 2024: the entry point.
//
// main() owns the whole run: settings, window and context, framework, physics,
// the level, the frame loop and the shutdown, in that order. Everything the
// level holds is released before the window system goes away.
#include <GL/glew.h>
#include <GLFW/glfw3.h>

#include "app/command_line.h"
#include "app/cursor_callback.h"
#include "app/diagnostics.h"
#include "app/frame_loop.h"
#include "app/help_text.h"
#include "app/huge_page_heap.h"
#include "app/key_callback.h"
#include "app/lighting.h"
#include "app/level.h"
#include "app/render_flags.h"
#include "app/render_passes.h"
#include "app/render_scale.h"
#include "app/replay/run_options.h"
#include "app/scene_target.h"
#include "app/startup_failure.h"
#include "app/startup_settings.h"
#include "audio/game_audio.h"
#include "framework/asset_search.h"
#include "framework/console.h"
#include "framework/framework.h"
#include "framework/utf8_console.h"
#include "game/camera_math.h"
#include "physics/physics_world.h"
#include "scene/model_file_reader.h"
#include "scene/static_light_prefetch.h"

namespace {

void setWindowHints(const WindowSettings& window, const RenderScaleSettings& renderScale)
{
    glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 4);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, 1);
    glfwWindowHint(GLFW_OPENGL_FORWARD_COMPAT, GLFW_TRUE);
    glfwWindowHint(GLFW_OPENGL_PROFILE, GLFW_OPENGL_CORE_PROFILE);
    glfwWindowHint(GLFW_OPENGL_DEBUG_CONTEXT, GLFW_TRUE);
    glfwWindowHint(GLFW_REFRESH_RATE, window.refreshRate);
    glfwWindowHint(GLFW_RESIZABLE, window.resizable ? GLFW_TRUE : GLFW_FALSE);
    // Where the 3-D passes draw into a multisampled target of their own, the
    // window needs only one sample a pixel (app/scene_target.h).
    glfwWindowHint(GLFW_SAMPLES, drawsThroughSceneTarget(renderScale) ? 0 : SceneTarget::Samples);
}

// The cursor is hidden and captured; mouse motion drives the camera. Unscaled,
// unaccelerated motion where the platform offers it, as first-person aiming wants.
void configureInput(GLFWwindow* window)
{
    glfwSetInputMode(window, GLFW_CURSOR, GLFW_CURSOR_DISABLED);
    if (glfwRawMouseMotionSupported())
        glfwSetInputMode(window, GLFW_RAW_MOUSE_MOTION, GLFW_TRUE);
}

void enableDebugOutput()
{
    // The debug context provides GL_DEBUG_OUTPUT; synchronous delivery keeps each
    // message next to the call that raised it.
    if (glDebugMessageCallback == nullptr)
        return;
    glDebugMessageCallback(openGlDebugCallback, nullptr);
    glEnable(GL_DEBUG_OUTPUT_SYNCHRONOUS);
}

void setInitialGlState()
{
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LESS);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glClearColor(0.1f, 0.1f, 0.1f, 1.0f);
    glEnable(GL_CULL_FACE);
    glCullFace(GL_BACK);
    glFrontFace(GL_CCW);
    printLine("OpenGL initialized successfully.");
}

// The renderer settings can switch the depth test off and wireframe on; culling
// was enabled above and the settings only ever enable it again.
void applyRendererSettings(const RendererStartSettings& renderer)
{
    glClearColor(0.2f, 0.2f, 0.2f, 1.0f);
    if (renderer.depthTest)
        glEnable(GL_DEPTH_TEST);
    else
        glDisable(GL_DEPTH_TEST);
    if (renderFlags.backfaceCulling)
        glEnable(GL_CULL_FACE);
    if (renderFlags.wireframe)
        glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
}

// Sound is for someone listening: a headless run only makes it when recording.
AudioOptions audioOptions(const StartupSettings& settings, const CommandLine& commandLine)
{
    AudioOptions options;
    options.settings = settings.audio;
    options.settings.mute = settings.audio.mute || commandLine.sound.mute;
    options.playLive = !commandLine.framework.runHeadless;
    if (commandLine.sound.hasRecordAudio)
        options.recordPath = commandLine.sound.recordAudio;
    return options;
}

AudioScene audioScene(const Level& level)
{
    AudioScene scene;
    scene.torchPositions = level.torchLights;
    scene.lavaPosition = LavaMidpoint;
    scene.spiderCount = level.spiders.size();
    return scene;
}

}  // namespace

int main(int argc, char** argv)
{
    // First, while this is the only thread and nothing large is allocated yet.
    reserveHugePageHeap();
    useUtf8Console();
    printLine(":::::: WELCOME TO KORVEL 2024 ::::::");

    const Utf8Arguments utf8Arguments(argc, argv);
    const CommandLine commandLine = parseCommandLine(utf8Arguments.count(), utf8Arguments.values());
    const FrameworkArguments& arguments = commandLine.framework;
    for (const std::string& unknown : commandLine.unknownOptions)
        printLine(unknownOptionLine(unknown));
    if (arguments.help) {
        printLine(helpText());
        return 0;
    }

    // A demo, a route or a recording that cannot be used stops the run before
    // any window opens.
    RunOptions run;
    if (!run.prepare(commandLine.replay, arguments.runHeadless))
        return 2;

    // The level's model files and its stored static light are read on workers
    // while the window, the context and the shaders are made.
    ModelFileReader levelFiles(levelModelPaths(), executableDirectory());
    const SceneLighting lighting = sceneLighting(run.drawMode() == DrawMode::Unlit, run.storesStaticLight());
    StaticLightPrefetch storedLight(lighting.staticScenery == LightingMode::Stored ? staticLightCachePath() : "");
    StartupSettings settings = readStartupSettings(arguments);
    if (commandLine.replay.hasRenderScale) {
        const std::string refused =
            readRenderScale(commandLine.replay.renderScale, "--render_scale", settings.renderScale);
        if (!refused.empty())
            printLine(refused);
    }
    GameAudio audio;
    if (!audio.prepare(audioOptions(settings, commandLine)))
        return 2;

    glfwSetErrorCallback(glfwErrorCallback);
    if (!glfwInit())
        return failStartup("Failed to init GLFW");
    printLine("GLFW was initialized.");

    setWindowHints(settings.window, settings.renderScale);
    GLFWmonitor* monitor = settings.window.fullscreen ? glfwGetPrimaryMonitor() : nullptr;
    GLFWwindow* window = glfwCreateWindow(settings.window.width, settings.window.height,
                                          settings.window.title.c_str(), monitor, nullptr);
    if (window == nullptr)
        return failStartup("Failed to create window");
    glfwMakeContextCurrent(window);
    configureInput(window);
    // A timedemo measures the game, not the display's refresh rate; live play
    // keeps whatever the driver syncs to.
    if (commandLine.replay.timedemo)
        glfwSwapInterval(0);
    run.attachWindow(window, MouseSensitivity, settings.controls);

    glewExperimental = GL_TRUE;
    const GLenum glewResult = glewInit();
    if (glewResult != GLEW_OK)
        return failStartup(std::string("Failed to init GLEW: ") +
                           reinterpret_cast<const char*>(glewGetErrorString(glewResult)));
    printLine("GLEW was initialized.");
    enableDebugOutput();

    if (!initFramework())
        return failStartup("Failed to init framework");
    printLine("Framework was initialized.");

    setInitialGlState();
    initPhysics();
    // Without a collision world no model could get its colliders: stop here
    // rather than later inside the level.
    if (!PhysicsWorld::scene)
        return failStartup("Failed to init physics", FrameworkState::Started);
    glfwSetKeyCallback(window, keyCallback);
    glfwSetCursorPosCallback(window, cursorPositionCallback);
    applyRendererSettings(settings.renderer);

    bool outputsWritten = true;
    {
        Level level(settings, run.clock(), lighting, levelFiles, storedLight);
        levelFiles.stop();
        audio.start(audioScene(level));
        if (!glfwWindowShouldClose(window))
            outputsWritten = runFrameLoop(window, level, settings, arguments, run, audio);
    }

    shutdownFramework();
    glfwTerminate();
    return outputsWritten ? 0 : 1;
}
