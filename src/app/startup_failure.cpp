#include "app/startup_failure.h"

#include <GLFW/glfw3.h>

#include "framework/console.h"
#include "framework/framework.h"

int failStartup(const std::string& message, FrameworkState framework)
{
    // Left to the exit, the default program and the built-in mesh would be
    // deleted with no context current, which some drivers do not survive.
    if (framework == FrameworkState::Started)
        shutdownFramework();
    glfwTerminate();
    printLine("ERROR: " + message);
    waitForKeypress();
    return 1;
}
