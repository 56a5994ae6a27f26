// Live keyboard: the player's keys read from the window's key state.
#pragma once

#include "game/key_input.h"

struct GLFWwindow;

class GlfwKeyInput : public KeyInput {
public:
    explicit GlfwKeyInput(GLFWwindow* window) : window(window) {}
    bool isPressed(int key) const override;

private:
    GLFWwindow* window;
};
