// The shape the projection gives the picture: the window settings' width over
// height, as the game has always drawn it, until the player resizes the window
// (where the settings allow that) or switches with Alt+Enter; from then on the
// framebuffer's own shape, so the picture is never stretched.
#pragma once

class ViewAspect {
public:
    ViewAspect(float settingsAspect, bool resizable) : settingsAspect(settingsAspect), resizable(resizable) {}

    // The framebuffer changed size. A window the player cannot resize keeps
    // the settings' shape whatever the window system does to it.
    void framebufferResized()
    {
        if (resizable)
            following = true;
    }
    // Alt+Enter: full screen has the monitor's shape, and the window after it
    // may not have the settings' one.
    void screenModeSwitched() { following = true; }

    // The aspect ratio for a framebuffer of this size in pixels; an empty one
    // (minimised) keeps the settings' shape, since nothing is drawn into it.
    float aspect(int framebufferWidth, int framebufferHeight) const
    {
        if (!following || framebufferWidth <= 0 || framebufferHeight <= 0)
            return settingsAspect;
        return static_cast<float>(framebufferWidth) / static_cast<float>(framebufferHeight);
    }

private:
    float settingsAspect;
    bool resizable;
    bool following = false;
};
