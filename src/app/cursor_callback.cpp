#include "app/cursor_callback.h"

#include <GLFW/glfw3.h>

#include "app/replay/run_options.h"

void cursorPositionCallback(GLFWwindow* window, double x, double y)
{
    auto* target = static_cast<CursorTarget*>(glfwGetWindowUserPointer(window));
    if (target != nullptr)
        target->run.onCursor(target->camera, x, y);
}
