// The GLFW cursor callback: mouse motion turns the camera during live play.
#pragma once

struct GLFWwindow;
class Camera;
class RunOptions;

// Where cursor events go; events while none is set are ignored.
void setCursorTarget(RunOptions* run, Camera* camera);

void cursorPositionCallback(GLFWwindow* window, double x, double y);
