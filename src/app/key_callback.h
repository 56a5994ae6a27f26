// The key callback: render toggles on N, T, F1-F5, Escape to quit and F12 for a
// screenshot, each acting when the key is released, and Alt+Enter for full screen
// as Enter goes down. The
// decision is a pure function of the flags so it is testable; the callback applies
// its GL and window side effects. Movement keys are polled by the player, not
// handled here.
#pragma once

#include <string>

#include "app/render_flags.h"

struct GLFWwindow;

// What one key event asks for besides the flag change already made.
struct KeyEffect {
    bool closeWindow = false;
    bool changesPolygonMode = false;
    bool linePolygonMode = false;  // when changesPolygonMode: lines, else fill
    bool changesCulling = false;
    bool cullingEnabled = false;    // when changesCulling: enable, else disable
    bool toggleFullScreen = false;  // Alt+Enter: the frame loop switches after the frame
    bool takeScreenshot = false;    // F12: the frame loop saves the frame before its swap
    std::string consoleLine;        // printed when not empty
};

// Toggles the flag bound to key (a GLFW_KEY_* code) when action is GLFW_RELEASE and
// says what else to do. Presses, repeats and unbound keys change nothing, except
// Enter pressed with Alt alone (of the modifier bits GLFW_MOD_*), which switches
// the screen mode.
KeyEffect handleKeyEvent(RenderFlags& flags, int key, int action, int mods = 0);

// Carries out an effect: polygon mode, face culling, window close, console line.
void applyKeyEffect(GLFWwindow* window, const KeyEffect& effect);

// GLFW key callback over the process-wide renderFlags; the scancode is unused.
void keyCallback(GLFWwindow* window, int key, int scancode, int action, int mods);
