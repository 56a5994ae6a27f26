// The keyboard as the player sees it: keys polled by level, once per frame.
//
// Live play answers from the window (GLFW's key state); a recorded demo answers
// from its file, so the same frames replay the same run. Keys are GLFW key codes.
#pragma once

class KeyInput {
public:
    virtual ~KeyInput() = default;
    // True while `key` (a GLFW_KEY_* code) is held down in this frame.
    virtual bool isPressed(int key) const = 0;
};
