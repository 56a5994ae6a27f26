#include "app/cursor_callback.h"

#include "app/replay/run_options.h"
#include "app/window_events.h"

void cursorPositionCallback(GLFWwindow* window, double x, double y)
{
    if (WindowTarget* target = windowTarget(window))
        target->run.onCursor(target->camera, x, y);
}
