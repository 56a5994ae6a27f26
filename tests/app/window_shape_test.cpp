// The picture's shape before and after a resize or Alt+Enter, and which monitor
// Alt+Enter fills.
#include <gtest/gtest.h>

#include "app/full_screen.h"
#include "app/view_aspect.h"

namespace {

struct AspectCase {
    const char* name;
    bool resizable;
    bool resized;
    bool switchedScreenMode;
    int framebufferWidth;
    int framebufferHeight;
    float aspect;
};

TEST(ViewAspect, TheSettingsShapeHoldsUntilTheWindowChangesShape)
{
    const float settings = 800.0f / 600.0f;
    const AspectCase cases[] = {
        {"untouched, scaled display", false, false, false, 1600, 1200, settings},
        {"untouched, odd framebuffer", true, false, false, 1000, 500, settings},
        {"fixed window resized by the system", false, true, false, 1000, 500, settings},
        {"resized by the player", true, true, false, 1000, 500, 2.0f},
        {"Alt+Enter on a fixed window", false, false, true, 1920, 1080, 1920.0f / 1080.0f},
        {"minimised after a resize", true, true, false, 0, 0, settings},
    };
    for (const AspectCase& c : cases) {
        ViewAspect aspect(settings, c.resizable);
        if (c.resized)
            aspect.framebufferResized();
        if (c.switchedScreenMode)
            aspect.screenModeSwitched();
        EXPECT_EQ(aspect.aspect(c.framebufferWidth, c.framebufferHeight), c.aspect) << c.name;
    }
}

TEST(FullScreen, FillsTheMonitorHoldingMostOfTheWindow)
{
    const std::vector<ScreenRect> monitors = {
        {0, 0, 1920, 1080}, {1920, 0, 2560, 1440}, {-1280, 0, 1280, 1024}};
    struct Case {
        ScreenRect window;
        std::size_t monitor;
    };
    const Case cases[] = {
        {{100, 100, 800, 600}, 0},    // inside the primary
        {{2000, 200, 800, 600}, 1},   // inside the second
        {{1500, 100, 800, 600}, 0},   // 420 columns on the primary, 380 on the second
        {{1700, 100, 800, 600}, 1},   // 220 on the primary, 580 on the second
        {{-700, 100, 800, 600}, 2},   // mostly on the one left of the primary
        {{9000, 9000, 800, 600}, 0},  // on none: the primary
    };
    for (const Case& c : cases)
        EXPECT_EQ(monitorUnderWindow(c.window, monitors), c.monitor) << c.window.x << "," << c.window.y;
    EXPECT_EQ(monitorUnderWindow({0, 0, 10, 10}, {}), 0u);
}

}  // namespace
