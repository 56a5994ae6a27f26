// A test fixture on the process's shared OpenGL 4.1 core context (gl_context.h):
// each test starts with the context current, no program bound and no GL error
// pending. Without a context the test skips, or fails where every test must run.
#pragma once

#include <GL/glew.h>
#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

#include "support/gl_context.h"
#include "support/skip_or_fail.h"

class GlTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { window = ensureGlContext() ? sharedGlWindow() : nullptr; }

    void SetUp() override
    {
        if (window == nullptr)
            SKIP_OR_FAIL(glContextFailure());
        glfwMakeContextCurrent(window);
        glUseProgram(0);
        while (glGetError() != GL_NO_ERROR) {
        }
    }

    static inline GLFWwindow* window = nullptr;
};
