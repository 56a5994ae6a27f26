#include "gl_context.h"

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

#include <GL/glew.h>
#include <GLFW/glfw3.h>

namespace {

constexpr int ConnectionAttempts = 5;
constexpr int RetryDelayMs = 200;
constexpr int WindowSize = 64;

std::string lastGlfwError = "no GLFW error reported";

void rememberGlfwError(int code, const char* description)
{
    lastGlfwError = "GLFW error " + std::to_string(code) + ": " + (description ? description : "");
}

// Owns the window for the whole run; GLFW is terminated at exit.
struct SharedWindow {
    GLFWwindow* window = nullptr;

    SharedWindow()
    {
        glfwSetErrorCallback(rememberGlfwError);
        if (std::getenv("DISPLAY") == nullptr) {
            lastGlfwError = "no display: run the \"gl\" tests under xvfb-run";
            return;
        }
        // A busy X server, or one a neighbouring run is just starting or
        // stopping, now and then refuses a connection; try again briefly.
        for (int attempt = 0; attempt < ConnectionAttempts && !window; ++attempt) {
            if (attempt > 0)
                std::this_thread::sleep_for(std::chrono::milliseconds(RetryDelayMs));
            open();
        }
    }

    void open()
    {
        if (!glfwInit())
            return;
        glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 4);
        glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, 1);
        glfwWindowHint(GLFW_OPENGL_PROFILE, GLFW_OPENGL_CORE_PROFILE);
        glfwWindowHint(GLFW_OPENGL_FORWARD_COMPAT, GLFW_TRUE);
        glfwWindowHint(GLFW_OPENGL_DEBUG_CONTEXT, GLFW_TRUE);
        glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
        window = glfwCreateWindow(WindowSize, WindowSize, "korvel test", nullptr, nullptr);
        if (!window) {
            glfwTerminate();
            return;
        }
        glfwMakeContextCurrent(window);
        glewExperimental = GL_TRUE;
        if (glewInit() != GLEW_OK) {
            glfwDestroyWindow(window);
            window = nullptr;
            return;
        }
        glGetError();  // GLEW's probing can leave an error behind
    }

    ~SharedWindow()
    {
        if (window)
            glfwDestroyWindow(window);
        glfwTerminate();
    }
};

}  // namespace

bool ensureGlContext()
{
    return sharedGlWindow() != nullptr;
}

GLFWwindow* sharedGlWindow()
{
    static SharedWindow shared;
    return shared.window;
}

std::string glContextFailure()
{
    const char* display = std::getenv("DISPLAY");
    return std::string("no OpenGL 4.1 core context on DISPLAY=") + (display ? display : "(unset)") + " (" +
           lastGlfwError + ")";
}

OffscreenTarget::OffscreenTarget(int size)
{
    glGenFramebuffers(1, &framebuffer);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    glGenRenderbuffers(1, &colour);
    glBindRenderbuffer(GL_RENDERBUFFER, colour);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, size, size);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, colour);
    glGenRenderbuffers(1, &depth);
    glBindRenderbuffer(GL_RENDERBUFFER, depth);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, size, size);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, depth);
    glViewport(0, 0, size, size);
    glEnable(GL_DEPTH_TEST);
}

OffscreenTarget::~OffscreenTarget()
{
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glDeleteRenderbuffers(1, &depth);
    glDeleteRenderbuffers(1, &colour);
    glDeleteFramebuffers(1, &framebuffer);
}

void OffscreenTarget::clear() const
{
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

std::array<int, 3> OffscreenTarget::pixel(int x, int y) const
{
    unsigned char rgba[4] = {0, 0, 0, 0};
    glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
    return {rgba[0], rgba[1], rgba[2]};
}
