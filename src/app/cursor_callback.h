// The GLFW cursor callback: mouse motion turns the camera.
#pragma once

struct GLFWwindow;
class Camera;

// The camera that cursor events reach; events before one is set are ignored.
void setCursorTarget(Camera* camera);

void cursorPositionCallback(GLFWwindow* window, double x, double y);
