#include "app/window_events.h"

#include <GLFW/glfw3.h>

namespace {

void focusCallback(GLFWwindow* window, int focused)
{
    if (WindowTarget* target = windowTarget(window))
        target->events.pause.setFocused(focused == GLFW_TRUE);
}

void iconifyCallback(GLFWwindow* window, int iconified)
{
    if (WindowTarget* target = windowTarget(window))
        target->events.pause.setIconified(iconified == GLFW_TRUE);
}

void framebufferSizeCallback(GLFWwindow* window, int width, int height)
{
    if (WindowTarget* target = windowTarget(window)) {
        target->events.pause.setFramebufferSize(width, height);
        // Minimising is no resize: the window comes back as it was.
        if (width > 0 && height > 0)
            target->events.resized = true;
    }
}

}  // namespace

WindowTarget* windowTarget(GLFWwindow* window)
{
    return static_cast<WindowTarget*>(glfwGetWindowUserPointer(window));
}

void installWindowEventCallbacks(GLFWwindow* window)
{
    glfwSetWindowFocusCallback(window, focusCallback);
    glfwSetWindowIconifyCallback(window, iconifyCallback);
    glfwSetFramebufferSizeCallback(window, framebufferSizeCallback);
}
