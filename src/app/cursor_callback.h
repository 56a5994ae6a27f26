// The GLFW cursor callback: mouse motion turns the camera during live play,
// through the frame loop's WindowTarget (window_events.h); events while none
// is set are ignored.
#pragma once

struct GLFWwindow;

void cursorPositionCallback(GLFWwindow* window, double x, double y);
