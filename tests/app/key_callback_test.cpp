// Key toggles: what a key event changes and asks for, without a window.
#include "app/key_callback.h"

#include <unistd.h>

#include <cstdio>

#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

#include "app/settings.h"

namespace {

struct ToggleCase {
    const char* name;
    int key;
    bool RenderFlags::*flag;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const ToggleCase& c, std::ostream* os)
{
    *os << c.name;
}

const ToggleCase ToggleCases[] = {
    {"N", GLFW_KEY_N, &RenderFlags::normals},       {"T", GLFW_KEY_T, &RenderFlags::texcoords},
    {"F1", GLFW_KEY_F1, &RenderFlags::wireframe},   {"F2", GLFW_KEY_F2, &RenderFlags::backfaceCulling},
    {"F3", GLFW_KEY_F3, &RenderFlags::showMap},     {"F4", GLFW_KEY_F4, &RenderFlags::showHaze},
    {"F5", GLFW_KEY_F5, &RenderFlags::showPhysics},
};

bool sameFlags(const RenderFlags& a, const RenderFlags& b)
{
    return a.wireframe == b.wireframe && a.backfaceCulling == b.backfaceCulling && a.normals == b.normals &&
           a.texcoords == b.texcoords && a.showMap == b.showMap && a.showHaze == b.showHaze &&
           a.showPhysics == b.showPhysics;
}

class KeyToggles : public ::testing::TestWithParam<ToggleCase> {};

}  // namespace

TEST_P(KeyToggles, ReleaseFlipsOnlyItsFlag)
{
    RenderFlags flags;
    RenderFlags expected = flags;
    expected.*GetParam().flag = !(flags.*GetParam().flag);
    handleKeyEvent(flags, GetParam().key, GLFW_RELEASE);
    EXPECT_TRUE(sameFlags(flags, expected));
    handleKeyEvent(flags, GetParam().key, GLFW_RELEASE);
    EXPECT_TRUE(sameFlags(flags, RenderFlags{}));
}

TEST_P(KeyToggles, PressAndRepeatChangeNothing)
{
    RenderFlags flags;
    const KeyEffect pressed = handleKeyEvent(flags, GetParam().key, GLFW_PRESS);
    const KeyEffect repeated = handleKeyEvent(flags, GetParam().key, GLFW_REPEAT);
    EXPECT_TRUE(sameFlags(flags, RenderFlags{}));
    EXPECT_TRUE(pressed.consoleLine.empty() && repeated.consoleLine.empty());
    EXPECT_FALSE(pressed.changesPolygonMode || pressed.changesCulling || pressed.closeWindow);
}

INSTANTIATE_TEST_SUITE_P(Keys, KeyToggles, ::testing::ValuesIn(ToggleCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(KeyEffects, MapAndHazeLinesShowTheNewValue)
{
    RenderFlags flags;
    EXPECT_EQ(handleKeyEvent(flags, GLFW_KEY_F3, GLFW_RELEASE).consoleLine, "Map: 0");
    EXPECT_EQ(handleKeyEvent(flags, GLFW_KEY_F3, GLFW_RELEASE).consoleLine, "Map: 1");
    EXPECT_EQ(handleKeyEvent(flags, GLFW_KEY_F4, GLFW_RELEASE).consoleLine, "showHaze: 0");
    EXPECT_EQ(handleKeyEvent(flags, GLFW_KEY_F5, GLFW_RELEASE).consoleLine, "Physics view: 1");
    EXPECT_EQ(handleKeyEvent(flags, GLFW_KEY_F5, GLFW_RELEASE).consoleLine, "Physics view: 0");
}

TEST(KeyEffects, WireframeFollowsTheNewFlag)
{
    RenderFlags flags;
    const KeyEffect first = handleKeyEvent(flags, GLFW_KEY_F1, GLFW_RELEASE);
    EXPECT_TRUE(first.changesPolygonMode && first.linePolygonMode);
    const KeyEffect second = handleKeyEvent(flags, GLFW_KEY_F1, GLFW_RELEASE);
    EXPECT_TRUE(second.changesPolygonMode && !second.linePolygonMode);
}

// Culling is on at start whatever the setting, so the first F2 with the flag off
// enables what is already on and only the second one disables it.
TEST(KeyEffects, CullingFollowsTheNewFlag)
{
    RenderFlags flags;
    const KeyEffect first = handleKeyEvent(flags, GLFW_KEY_F2, GLFW_RELEASE);
    EXPECT_TRUE(first.changesCulling && first.cullingEnabled);
    const KeyEffect second = handleKeyEvent(flags, GLFW_KEY_F2, GLFW_RELEASE);
    EXPECT_TRUE(second.changesCulling && !second.cullingEnabled);
    EXPECT_TRUE(first.consoleLine.empty());
}

TEST(KeyEffects, EscapeClosesAndOtherKeysDoNothing)
{
    RenderFlags flags;
    EXPECT_TRUE(handleKeyEvent(flags, GLFW_KEY_ESCAPE, GLFW_RELEASE).closeWindow);
    EXPECT_FALSE(handleKeyEvent(flags, GLFW_KEY_ESCAPE, GLFW_PRESS).closeWindow);
    for (int key : {GLFW_KEY_W, GLFW_KEY_SPACE, GLFW_KEY_F6, GLFW_KEY_F9}) {
        const KeyEffect effect = handleKeyEvent(flags, key, GLFW_RELEASE);
        EXPECT_FALSE(effect.closeWindow || effect.changesCulling || effect.changesPolygonMode);
        EXPECT_TRUE(effect.consoleLine.empty());
    }
    EXPECT_TRUE(sameFlags(flags, RenderFlags{}));
}

// Alt with Enter switches as Enter goes down; F12 asks for a shot on release.
TEST(KeyEffects, AltEnterAndF12AskTheWindow)
{
    struct Case {
        int key;
        int action;
        int mods;
        bool fullScreen;
        bool screenshot;
    };
    const Case cases[] = {
        {GLFW_KEY_ENTER, GLFW_PRESS, GLFW_MOD_ALT, true, false},
        {GLFW_KEY_ENTER, GLFW_RELEASE, GLFW_MOD_ALT, false, false},
        {GLFW_KEY_ENTER, GLFW_REPEAT, GLFW_MOD_ALT, false, false},
        {GLFW_KEY_ENTER, GLFW_PRESS, 0, false, false},
        {GLFW_KEY_ENTER, GLFW_PRESS, GLFW_MOD_ALT | GLFW_MOD_CONTROL, false, false},
        {GLFW_KEY_KP_ENTER, GLFW_PRESS, GLFW_MOD_ALT, false, false},
        {GLFW_KEY_F12, GLFW_RELEASE, 0, false, true},
        {GLFW_KEY_F12, GLFW_RELEASE, GLFW_MOD_SHIFT, false, true},
        {GLFW_KEY_F12, GLFW_REPEAT, 0, false, false},
    };
    for (const Case& c : cases) {
        RenderFlags flags;
        const KeyEffect effect = handleKeyEvent(flags, c.key, c.action, c.mods);
        EXPECT_EQ(effect.toggleFullScreen, c.fullScreen) << c.key << " " << c.action << " " << c.mods;
        EXPECT_EQ(effect.takeScreenshot, c.screenshot) << c.key << " " << c.action << " " << c.mods;
        EXPECT_TRUE(sameFlags(flags, RenderFlags{}));
    }
}

TEST(RenderFlagsFromSettings, ReadsTheFourRendererKeys)
{
    const std::string file =
        ::testing::TempDir() + "korvel_renderer_flags_" + std::to_string(::getpid()) + ".ini";
    FILE* out = std::fopen(file.c_str(), "w");
    ASSERT_NE(out, nullptr);
    std::fputs("[Renderer]\nwireframe = on\nbackface_culling = yes\ntexcoords = 1\nnormals = x\n", out);
    std::fclose(out);
    RenderFlags flags;
    flags.normals = true;
    readRenderFlags(flags, SettingsFile("renderer.ini", file));
    std::remove(file.c_str());
    EXPECT_TRUE(flags.wireframe);
    EXPECT_TRUE(flags.backfaceCulling);
    EXPECT_TRUE(flags.texcoords);
    EXPECT_FALSE(flags.normals);
    EXPECT_TRUE(flags.showMap && flags.showHaze);
}
