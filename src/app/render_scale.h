// How many pixels the 3-D passes draw: a fixed fraction of the window's
// framebuffer, or "auto", which lowers the fraction when frames run late and
// raises it again when they are cheap (dynamic_resolution.h). A software
// rasteriser's frame cost is nearly proportional to its pixels, so this is the
// lever that holds the frame rate on a weak machine.
//
// Read from [window] render_scale, target_fps and min_render_scale of
// window.ini; --render_scale replaces the first. A value out of range or not a
// number gets one line that names it and the accepted range, and the default.
#pragma once

#include <string>

constexpr float MinimumRenderScale = 0.25f;
constexpr float MaximumRenderScale = 1.0f;
constexpr double MinimumTargetFps = 1.0;
constexpr double MaximumTargetFps = 1000.0;

struct RenderScaleSettings {
    bool automatic = false;       // "auto": the controller picks the scale
    float scale = 1.0f;           // fixed fraction of the framebuffer's width and height
    double targetFps = 60.0;      // what "auto" holds
    float minRenderScale = 0.5f;  // the lowest scale "auto" goes to
};

// Whether the 3-D passes draw into a multisampled target of their own
// (app/scene_target.h) over a window of one sample a pixel, as below render
// scale 1 and under "auto"; at a fixed scale of 1 they draw straight into a
// multisampled window.
bool drawsThroughSceneTarget(const RenderScaleSettings& settings);

// Each reader takes a setting's text and where it came from (`source`:
// "--render_scale", "render_scale in assets/settings/window.ini"). It stores
// the value in `settings` and returns an empty string, or leaves `settings` as
// it was and returns the one line that names the value, the accepted range and
// the value kept.

// "auto", or a number from 0.25 to 1.
std::string readRenderScale(const std::string& text, const std::string& source,
                            RenderScaleSettings& settings);
// Frames per second from 1 to 1000.
std::string readTargetFps(const std::string& text, const std::string& source, RenderScaleSettings& settings);
// A number from 0.25 to 1.
std::string readMinRenderScale(const std::string& text, const std::string& source,
                               RenderScaleSettings& settings);

// `width` x `height` pixels scaled by `scale`, rounded, at least 1 x 1.
struct PixelSize {
    int width = 0;
    int height = 0;
};
PixelSize scaledSize(int width, int height, float scale);
