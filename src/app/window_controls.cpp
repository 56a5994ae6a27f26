#include "app/window_controls.h"

#include <ctime>
#include <utility>

#include <GLFW/glfw3.h>

#include "app/replay/run_options.h"
#include "app/screenshot_files.h"
#include "app/startup_settings.h"
#include "audio/game_audio.h"
#include "game/camera.h"

namespace {

// While live play is paused the game's clocks and input stop, the sound
// holds, and the loop sleeps in the window system's event wait.
PauseHooks gamePauseHooks(GLFWwindow* window, RunOptions& run, GameAudio& audio)
{
    PauseHooks hooks;
    hooks.waitForEvents = glfwWaitEvents;
    hooks.closing = [window] { return glfwWindowShouldClose(window) == GLFW_TRUE; };
    hooks.stop = [&run, &audio] {
        run.pause();
        audio.pause();
    };
    hooks.start = [&run, &audio] {
        audio.resume();
        run.resume();
    };
    return hooks;
}

}  // namespace

WindowControls::WindowControls(GLFWwindow* window, RunOptions& run, Camera& camera, GameAudio& audio,
                               const WindowSettings& settings, bool headless)
    : window(window), events{PauseState(run.pausesWhenAway(),
                                        glfwGetWindowAttrib(window, GLFW_FOCUSED) == GLFW_TRUE)},
      target{run, camera, events}, pauseHooks(gamePauseHooks(window, run, audio)),
      viewAspect(camera.aspect, settings.resizable), fullScreen(window, settings), windowKeys(!headless)
{
    glfwSetWindowUserPointer(window, &target);
    installWindowEventCallbacks(window);
}

WindowControls::~WindowControls()
{
    glfwSetWindowUserPointer(window, nullptr);
}

bool WindowControls::sitOutPause()
{
    return ::sitOutPause(events.pause, pauseHooks);
}

float WindowControls::aspect(int framebufferWidth, int framebufferHeight)
{
    if (std::exchange(events.resized, false))
        viewAspect.framebufferResized();
    return viewAspect.aspect(framebufferWidth, framebufferHeight);
}

void WindowControls::beforeSwap(int framebufferWidth, int framebufferHeight)
{
    if (!std::exchange(events.screenshotWanted, false) || !windowKeys || framebufferWidth <= 0 ||
        framebufferHeight <= 0)
        return;
    const std::time_t now = std::time(nullptr);
    if (const std::tm* localTime = std::localtime(&now))
        takeScreenshot(screenshotFolder(), *localTime, framebufferWidth, framebufferHeight);
}

void WindowControls::afterSwap()
{
    if (!std::exchange(events.fullScreenWanted, false) || !windowKeys)
        return;
    fullScreen.toggle();
    viewAspect.screenModeSwitched();
}
