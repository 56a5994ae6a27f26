#include "app/full_screen.h"

#include <algorithm>

#include <GLFW/glfw3.h>

#include "app/startup_settings.h"
#include "framework/console.h"

namespace {

long long overlap(const ScreenRect& a, const ScreenRect& b)
{
    const long long width = std::min(a.x + a.width, b.x + b.width) - std::max(a.x, b.x);
    const long long height = std::min(a.y + a.height, b.y + b.height) - std::max(a.y, b.y);
    return width > 0 && height > 0 ? width * height : 0;
}

ScreenRect monitorArea(GLFWmonitor* monitor)
{
    ScreenRect area;
    glfwGetMonitorPos(monitor, &area.x, &area.y);
    if (const GLFWvidmode* mode = glfwGetVideoMode(monitor)) {
        area.width = mode->width;
        area.height = mode->height;
    }
    return area;
}

ScreenRect windowArea(GLFWwindow* window)
{
    ScreenRect area;
    glfwGetWindowPos(window, &area.x, &area.y);
    glfwGetWindowSize(window, &area.width, &area.height);
    return area;
}

GLFWmonitor* monitorOf(GLFWwindow* window)
{
    int count = 0;
    GLFWmonitor** monitors = glfwGetMonitors(&count);
    if (count <= 0)
        return nullptr;
    std::vector<ScreenRect> areas;
    for (int i = 0; i < count; ++i)
        areas.push_back(monitorArea(monitors[i]));
    return monitors[monitorUnderWindow(windowArea(window), areas)];
}

}  // namespace

std::size_t monitorUnderWindow(const ScreenRect& window, const std::vector<ScreenRect>& monitors)
{
    std::size_t best = 0;
    long long bestOverlap = 0;
    for (std::size_t i = 0; i < monitors.size(); ++i) {
        const long long shared = overlap(window, monitors[i]);
        if (shared > bestOverlap) {
            best = i;
            bestOverlap = shared;
        }
    }
    return best;
}

FullScreenSwitch::FullScreenSwitch(GLFWwindow* window, const WindowSettings& settings)
    : window(window), windowed{0, 0, settings.width, settings.height},
      windowedPlaceKnown(glfwGetWindowMonitor(window) == nullptr)
{
}

void FullScreenSwitch::toggle()
{
    if (GLFWmonitor* current = glfwGetWindowMonitor(window)) {
        if (!windowedPlaceKnown) {
            const ScreenRect area = monitorArea(current);
            windowed.x = area.x + (area.width - windowed.width) / 2;
            windowed.y = area.y + (area.height - windowed.height) / 2;
        }
        glfwSetWindowMonitor(window, nullptr, windowed.x, windowed.y, windowed.width, windowed.height,
                             GLFW_DONT_CARE);
        printLine("Full screen: 0");
        return;
    }
    GLFWmonitor* monitor = monitorOf(window);
    const GLFWvidmode* mode = monitor != nullptr ? glfwGetVideoMode(monitor) : nullptr;
    if (mode == nullptr) {
        printLine("Full screen: no monitor to fill");
        return;
    }
    windowed = windowArea(window);
    windowedPlaceKnown = true;
    glfwSetWindowMonitor(window, monitor, 0, 0, mode->width, mode->height, mode->refreshRate);
    printLine("Full screen: 1");
}
