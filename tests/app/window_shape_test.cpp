// The picture's shape before and after a resize or Alt+Enter, and which monitor
// Alt+Enter fills.
#include <gtest/gtest.h>

#include "app/full_screen.h"
#include "app/view_aspect.h"

TEST(ViewAspect, TheSettingsShapeHoldsUntilTheWindowChangesShape)
{
    const float settings = 800.0f / 600.0f;
    struct Case {
        const char* name;
        bool resizable, resized, switched;
        int width, height;
        float aspect;
    };
    const Case cases[] = {
        {"untouched, scaled display", false, false, false, 1600, 1200, settings},
        {"untouched, odd framebuffer", true, false, false, 1000, 500, settings},
        {"fixed window resized by the system", false, true, false, 1000, 500, settings},
        {"resized by the player", true, true, false, 1000, 500, 2.0f},
        {"Alt+Enter on a fixed window", false, false, true, 1920, 1080, 1920.0f / 1080.0f},
        {"minimised after a resize", true, true, false, 0, 0, settings},
    };
    for (const Case& c : cases) {
        ViewAspect aspect(settings, c.resizable);
        if (c.resized)
            aspect.framebufferResized();
        if (c.switched)
            aspect.screenModeSwitched();
        EXPECT_EQ(aspect.aspect(c.width, c.height), c.aspect) << c.name;
    }
}

TEST(FullScreen, FillsTheMonitorHoldingMostOfTheWindow)
{
    const std::vector<ScreenRect> monitors = {
        {0, 0, 1920, 1080}, {1920, 0, 2560, 1440}, {-1280, 0, 1280, 1024}};
    EXPECT_EQ(monitorUnderWindow({100, 100, 800, 600}, monitors), 0u);
    EXPECT_EQ(monitorUnderWindow({1500, 100, 800, 600}, monitors), 0u);  // 420 columns against 380
    EXPECT_EQ(monitorUnderWindow({1700, 100, 800, 600}, monitors), 1u);  // 220 against 580
    EXPECT_EQ(monitorUnderWindow({-700, 100, 800, 600}, monitors), 2u);
    EXPECT_EQ(monitorUnderWindow({9000, 9000, 800, 600}, monitors), 0u);  // on none: the primary
}
