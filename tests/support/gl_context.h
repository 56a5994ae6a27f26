// An OpenGL 4.1 core context for the tests labelled "gl" and the GL benchmarks
// (run them under xvfb-run), with an offscreen colour + depth target to read
// pixels back from. Tests take it through GlTest (gl_test.h) or ensureGlContext
// with SKIP_OR_FAIL (skip_or_fail.h).
#pragma once

#include <array>
#include <cstdint>
#include <string>

// Makes the process's one hidden window with a 4.1 core context current
// (created on the first call, kept until exit: making and dropping a context
// per test is slow and not reliable under Xvfb) and initialises GLEW.
// False when no display is available; tests then skip, or fail where every test
// must run (support/skip_or_fail.h). The context is a debug context, as the
// game's own, so the GL reports misuse where a driver offers it.
bool ensureGlContext();

// The hidden window of that context; null until ensureGlContext succeeded.
struct GLFWwindow* sharedGlWindow();

// Why ensureGlContext failed: the display and GLFW's last error.
std::string glContextFailure();

// A size x size RGBA8 framebuffer with a depth buffer, bound while it lives.
class OffscreenTarget {
public:
    explicit OffscreenTarget(int size);
    ~OffscreenTarget();
    OffscreenTarget(const OffscreenTarget&) = delete;
    OffscreenTarget& operator=(const OffscreenTarget&) = delete;

    // Clears colour to black and depth to 1.
    void clear() const;
    // RGB of the pixel at (x, y), origin bottom left.
    std::array<int, 3> pixel(int x, int y) const;

private:
    unsigned framebuffer = 0;
    unsigned colour = 0;
    unsigned depth = 0;
};
