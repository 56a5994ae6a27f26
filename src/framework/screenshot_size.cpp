#include "framework/screenshot_size.h"

namespace {

std::string sizeText(int width, int height)
{
    return std::to_string(width) + " x " + std::to_string(height);
}

}  // namespace

ScreenshotSize chooseScreenshotSize(const std::string& fileName, int configuredWidth, int configuredHeight,
                                    int framebufferWidth, int framebufferHeight)
{
    const bool agrees = (framebufferWidth == configuredWidth && framebufferHeight == configuredHeight) ||
                        framebufferWidth <= 0 || framebufferHeight <= 0;
    if (agrees)
        return {static_cast<std::uint32_t>(configuredWidth), static_cast<std::uint32_t>(configuredHeight),
                ""};
    return {static_cast<std::uint32_t>(framebufferWidth), static_cast<std::uint32_t>(framebufferHeight),
            "Screenshot " + fileName + " is " + sizeText(framebufferWidth, framebufferHeight) +
                ", the window's framebuffer, not the " + sizeText(configuredWidth, configuredHeight) +
                " of the window settings"};
}
