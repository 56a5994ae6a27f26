#include "app/glfw_key_input.h"

#include <GLFW/glfw3.h>

bool GlfwKeyInput::isPressed(int key) const
{
    return glfwGetKey(window, key) == GLFW_PRESS;
}
