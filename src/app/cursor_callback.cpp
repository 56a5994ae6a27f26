#include "app/cursor_callback.h"

#include "game/camera.h"

namespace {
Camera* cursorTarget = nullptr;
}

void setCursorTarget(Camera* camera)
{
    cursorTarget = camera;
}

void cursorPositionCallback(GLFWwindow*, double x, double y)
{
    if (cursorTarget != nullptr)
        cursorTarget->onCursorPos(x, y);
}
