// How large a screenshot is. The window settings give the size a screenshot has
// always had; on a scaled display or under a compositor the window's framebuffer
// can differ from it, and then the screenshot takes the framebuffer's whole frame
// (reading the settings' size would cut the frame or read past its edge).
#pragma once

#include <cstdint>
#include <string>

struct ScreenshotSize {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    // Empty when the settings' size is used; otherwise the line that says what
    // was written instead.
    std::string note;
};

// Framebuffer sizes of zero or less (a minimised window) count as agreeing.
ScreenshotSize chooseScreenshotSize(const std::string& fileName, int configuredWidth, int configuredHeight,
                                    int framebufferWidth, int framebufferHeight);
