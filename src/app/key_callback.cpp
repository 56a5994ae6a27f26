#include "app/key_callback.h"

#include <GL/glew.h>
#include <GLFW/glfw3.h>

#include "app/window_events.h"
#include "framework/console.h"

namespace {

const char* bit(bool value)
{
    return value ? "1" : "0";
}

}  // namespace

KeyEffect handleKeyEvent(RenderFlags& flags, int key, int action, int mods)
{
    KeyEffect effect;
    // Alt+Enter acts as Enter goes down, as on every PC: Alt may well be let go
    // before Enter comes up.
    if (key == GLFW_KEY_ENTER && action == GLFW_PRESS) {
        const int modifiers = GLFW_MOD_ALT | GLFW_MOD_CONTROL | GLFW_MOD_SHIFT | GLFW_MOD_SUPER;
        effect.toggleFullScreen = (mods & modifiers) == GLFW_MOD_ALT;
        return effect;
    }
    if (action != GLFW_RELEASE)
        return effect;
    switch (key) {
    case GLFW_KEY_N:
        flags.normals = !flags.normals;
        break;
    case GLFW_KEY_T:
        flags.texcoords = !flags.texcoords;
        break;
    case GLFW_KEY_ESCAPE:
        effect.closeWindow = true;
        break;
    case GLFW_KEY_F1:
        flags.wireframe = !flags.wireframe;
        effect.changesPolygonMode = true;
        effect.linePolygonMode = flags.wireframe;
        break;
    case GLFW_KEY_F2:
        flags.backfaceCulling = !flags.backfaceCulling;
        effect.changesCulling = true;
        effect.cullingEnabled = flags.backfaceCulling;
        break;
    case GLFW_KEY_F3:
        flags.showMap = !flags.showMap;
        effect.consoleLine = std::string("Map: ") + bit(flags.showMap);
        break;
    case GLFW_KEY_F4:
        flags.showHaze = !flags.showHaze;
        effect.consoleLine = std::string("showHaze: ") + bit(flags.showHaze);
        break;
    case GLFW_KEY_F5:
        flags.showPhysics = !flags.showPhysics;
        effect.consoleLine = std::string("Physics view: ") + bit(flags.showPhysics);
        break;
    case GLFW_KEY_F12:
        effect.takeScreenshot = true;
        break;
    default:
        break;
    }
    return effect;
}

void applyKeyEffect(GLFWwindow* window, const KeyEffect& effect)
{
    if (effect.closeWindow)
        glfwSetWindowShouldClose(window, GLFW_TRUE);
    if (effect.changesPolygonMode)
        glPolygonMode(GL_FRONT_AND_BACK, effect.linePolygonMode ? GL_LINE : GL_FILL);
    if (effect.changesCulling) {
        if (effect.cullingEnabled)
            glEnable(GL_CULL_FACE);
        else
            glDisable(GL_CULL_FACE);
    }
    if (!effect.consoleLine.empty())
        printLine(effect.consoleLine);
    // The window's own keys wait for the frame loop, which owns the window.
    if (WindowTarget* target = windowTarget(window)) {
        target->events.fullScreenWanted |= effect.toggleFullScreen;
        target->events.screenshotWanted |= effect.takeScreenshot;
    }
}

void keyCallback(GLFWwindow* window, int key, int /*scancode*/, int action, int mods)
{
    applyKeyEffect(window, handleKeyEvent(renderFlags, key, action, mods));
}
