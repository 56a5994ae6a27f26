#include "app/cursor_callback.h"

#include "app/replay/run_options.h"

namespace {
RunOptions* targetRun = nullptr;
Camera* targetCamera = nullptr;
}

void setCursorTarget(RunOptions* run, Camera* camera)
{
    targetRun = run;
    targetCamera = camera;
}

void cursorPositionCallback(GLFWwindow*, double x, double y)
{
    if (targetRun != nullptr && targetCamera != nullptr)
        targetRun->onCursor(*targetCamera, x, y);
}
