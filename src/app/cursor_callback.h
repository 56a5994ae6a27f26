// The GLFW cursor callback: mouse motion turns the camera during live play.
//
// The frame loop puts a CursorTarget into the window's user pointer for as long
// as it runs; events while none is set are ignored.
#pragma once

struct GLFWwindow;
class Camera;
class RunOptions;

struct CursorTarget {
    RunOptions& run;
    Camera& camera;
};

void cursorPositionCallback(GLFWwindow* window, double x, double y);
