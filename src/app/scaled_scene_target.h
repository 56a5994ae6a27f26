// Where the 3-D passes draw below render scale 1: an off-screen colour and
// depth target of a fraction of the window's framebuffer, with the window's
// sample count, scaled up over the whole window with linear filtering once the
// passes are done. At scale 1 nothing of this exists: the passes draw straight
// into the window.
//
// The target is made on first use and remade only when its size changes (a
// new scale, a resized window). The upscale program is built on first use too,
// so a run at scale 1 never compiles it. Owns its GL objects; destroy it while
// the context is current.
#pragma once

#include <cstdint>
#include <memory>

#include "app/render_scale.h"

class Shader;

class ScaledSceneTarget {
public:
    ScaledSceneTarget();
    ~ScaledSceneTarget();
    ScaledSceneTarget(const ScaledSceneTarget&) = delete;
    ScaledSceneTarget& operator=(const ScaledSceneTarget&) = delete;

    // Binds the target, `size` pixels, for the passes that follow; the caller
    // sets the viewport. Call with the window's framebuffer (0) bound: its sample
    // count is read the first time. False, with one line the first time, when the
    // driver cannot make the target: the caller then draws into the window.
    bool bind(PixelSize size);

    // Resolves the samples and draws the picture over the window's framebuffer,
    // `window` pixels, which it leaves bound with that viewport. Depth test,
    // blending, culling and polygon mode are as they were before.
    void presentTo(PixelSize window);

private:
    void release();

    PixelSize size;
    int samples = -1;  // the window's, read on first use
    bool failed = false;
    std::uint32_t framebuffer = 0;          // what the passes draw into
    std::uint32_t colourBuffer = 0;         // multisampled colour (renderbuffer), when samples > 0
    std::uint32_t depthBuffer = 0;          // renderbuffer
    std::uint32_t resolvedFramebuffer = 0;  // single-sample copy of the colour, when samples > 0
    std::uint32_t picture = 0;              // single-sample colour texture the upscale reads
    std::uint32_t emptyVertexArray = 0;     // the upscale's triangle comes from gl_VertexID
    std::unique_ptr<Shader> upscale;
};
