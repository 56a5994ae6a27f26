// Where the 3-D passes draw below render scale 1 and under "auto": an
// off-screen colour and depth target with four samples a pixel, of a fraction
// of the window's framebuffer or, when "auto" climbs back to 1, of all of it.
//
// The window then has one sample a pixel. A multisampled window would cost
// every frame a clear of four samples a pixel and a resolve of them at the
// swap, though the scaled-up picture writes one colour into all four: on a
// software rasteriser that was about a third of a half-scale frame. So the
// samples live here and are resolved into the window once the frame is drawn.
// At a fixed scale of 1 none of this exists: the passes draw straight into a
// multisampled window.
//
// The target is made on first use and remade only when its size changes (a
// new scale, a resized window). The upscale's picture and program are made on
// first use below scale 1, so a run that stays at scale 1 never compiles it.
// Owns its GL objects; destroy it while the context is current.
#pragma once

#include <cstdint>
#include <memory>

#include "app/render_scale.h"

class Shader;

class SceneTarget {
public:
    // Samples a pixel: the target's, or the window's when it has none.
    static constexpr int Samples = 4;

    SceneTarget();
    ~SceneTarget();
    SceneTarget(const SceneTarget&) = delete;
    SceneTarget& operator=(const SceneTarget&) = delete;

    // Binds the target, `drawn` pixels, for the passes of a frame shown in a
    // window of `window` pixels; the caller sets the viewport. False, with one
    // line the first time, when the driver cannot make it: the caller then
    // draws straight into the window, without multisampling or scaling.
    bool bind(PixelSize drawn, PixelSize window);

    // The 3-D passes are done. Below render scale 1 the samples are resolved and
    // the picture drawn over the whole window, which is left bound with its
    // viewport, so the overlays that follow are drawn at the window's
    // resolution. At scale 1 the target stays bound: the overlays are drawn
    // into it, multisampled like the scene.
    void endScene();

    // Everything is drawn: at render scale 1 the samples are resolved into the
    // window, which is left bound. Below scale 1 that happened in endScene().
    void endFrame();

    // Whether the frame's picture is scaled up (drawn smaller than the window).
    bool scaled() const { return drawnSize.width != windowSize.width || drawnSize.height != windowSize.height; }

private:
    void release();
    void makePicture();
    void drawPictureOverWindow();

    PixelSize drawnSize;
    PixelSize windowSize;
    bool failed = false;
    std::uint32_t framebuffer = 0;          // what the passes draw into
    std::uint32_t colourBuffer = 0;         // multisampled colour (renderbuffer)
    std::uint32_t depthBuffer = 0;          // multisampled depth and stencil (renderbuffer)
    std::uint32_t resolvedFramebuffer = 0;  // below scale 1: the picture, resolved
    std::uint32_t picture = 0;              // single-sample colour texture the upscale reads
    std::uint32_t emptyVertexArray = 0;     // the upscale's triangle comes from gl_VertexID
    std::unique_ptr<Shader> upscale;
};
