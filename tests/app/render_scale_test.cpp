// The render scale's settings: what each key and --render_scale accept, the
// line a refused value gets, and the pixel size a scale gives.
#include "app/render_scale.h"

#include <gtest/gtest.h>

namespace {

TEST(RenderScale, EachKeyTakesItsRangeAndRefusesAnythingElseNamingIt)
{
    struct Case {
        std::string (*read)(const std::string&, const std::string&, RenderScaleSettings&);
        const char* text;
        const char* error;  // "" when accepted
    };
    const Case cases[] = {
        {readRenderScale, "0.25", ""},
        {readRenderScale, "1", ""},
        {readRenderScale, "auto", ""},
        {readRenderScale, "0.2", "ERROR: S takes a number from 0.25 to 1 or auto, not '0.2'; using 1"},
        {readRenderScale, "1.5", "ERROR: S takes a number from 0.25 to 1 or auto, not '1.5'; using 1"},
        {readRenderScale, "0.5x", "ERROR: S takes a number from 0.25 to 1 or auto, not '0.5x'; using 1"},
        {readRenderScale, "nan", "ERROR: S takes a number from 0.25 to 1 or auto, not 'nan'; using 1"},
        {readRenderScale, "", "ERROR: S takes a number from 0.25 to 1 or auto, not ''; using 1"},
        {readTargetFps, "59.94", ""},
        {readTargetFps, "0", "ERROR: S takes frames per second from 1 to 1000, not '0'; using 60"},
        {readTargetFps, "fast", "ERROR: S takes frames per second from 1 to 1000, not 'fast'; using 60"},
        {readMinRenderScale, "0.3", ""},
        {readMinRenderScale, "auto", "ERROR: S takes a number from 0.25 to 1, not 'auto'; using 0.5"},
        {readMinRenderScale, "0.1", "ERROR: S takes a number from 0.25 to 1, not '0.1'; using 0.5"},
    };
    for (const Case& c : cases) {
        RenderScaleSettings settings;
        EXPECT_EQ(c.read(c.text, "S", settings), c.error) << c.text;
        if (*c.error != '\0') {
            EXPECT_EQ(settings.scale, 1.0f) << c.text;
        }
    }
}

TEST(RenderScale, ReadValuesLandInTheSettingsAndARefusalKeepsTheEarlierOne)
{
    RenderScaleSettings settings;
    EXPECT_EQ(readRenderScale("0.75", "S", settings), "");
    EXPECT_FALSE(settings.automatic);
    EXPECT_FLOAT_EQ(settings.scale, 0.75f);
    EXPECT_EQ(readRenderScale("3", "S", settings),
              "ERROR: S takes a number from 0.25 to 1 or auto, not '3'; using 0.75");
    EXPECT_EQ(readRenderScale("auto", "S", settings), "");
    EXPECT_EQ(readRenderScale("x", "S", settings),
              "ERROR: S takes a number from 0.25 to 1 or auto, not 'x'; using auto");
    EXPECT_TRUE(settings.automatic);
    EXPECT_EQ(readTargetFps("30", "S", settings), "");
    EXPECT_EQ(readMinRenderScale("0.4", "S", settings), "");
    EXPECT_DOUBLE_EQ(settings.targetFps, 30.0);
    EXPECT_FLOAT_EQ(settings.minRenderScale, 0.4f);
}

TEST(RenderScale, ScaledSizesRoundAndNeverVanish)
{
    EXPECT_EQ(scaledSize(800, 800, 0.5f).width, 400);
    EXPECT_EQ(scaledSize(800, 600, 0.75f).height, 450);
    EXPECT_EQ(scaledSize(801, 1, 0.25f).width, 200);
    EXPECT_EQ(scaledSize(801, 1, 0.25f).height, 1);
}

}  // namespace
