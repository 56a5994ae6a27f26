// Which size a headless screenshot takes when the framebuffer and the window
// settings disagree.
#include "framework/screenshot_size.h"

#include <gtest/gtest.h>

TEST(ScreenshotSize, SettingsSizeWhereTheFramebufferAgrees)
{
    const ScreenshotSize size = chooseScreenshotSize("shot.ppm", 800, 600, 800, 600);
    EXPECT_EQ(size.width, 800u);
    EXPECT_EQ(size.height, 600u);
    EXPECT_TRUE(size.note.empty());
}

TEST(ScreenshotSize, TheWholeFramebufferWhereItDiffersAndSaysSo)
{
    // A display scaled by two doubles the pixels; a compositor can shrink them.
    const ScreenshotSize scaled = chooseScreenshotSize("shot.ppm", 800, 600, 1600, 1200);
    EXPECT_EQ(scaled.width, 1600u);
    EXPECT_EQ(scaled.height, 1200u);
    EXPECT_EQ(scaled.note, "Screenshot shot.ppm is 1600 x 1200, the window's framebuffer, "
                           "not the 800 x 600 of the window settings");
    const ScreenshotSize narrower = chooseScreenshotSize("s.ppm", 800, 600, 800, 590);
    EXPECT_EQ(narrower.height, 590u);
    EXPECT_FALSE(narrower.note.empty());
}

TEST(ScreenshotSize, AnEmptyFramebufferKeepsTheSettingsSize)
{
    const ScreenshotSize size = chooseScreenshotSize("shot.ppm", 800, 600, 0, 0);
    EXPECT_EQ(size.width, 800u);
    EXPECT_EQ(size.height, 600u);
    EXPECT_TRUE(size.note.empty());
}
