// A hidden GLFW window with an OpenGL 4.1 core context and GLEW loaded, shared by
// the tests of one binary. Runs under Xvfb; without a display the tests are skipped.
#pragma once

#include <chrono>
#include <cstdlib>
#include <thread>

#include <GL/glew.h>
#include <GLFW/glfw3.h>
#include <gtest/gtest.h>
#include "support/skip_or_fail.h"

class GlTest : public ::testing::Test {
protected:
    static constexpr int WindowSize = 64;

    static void SetUpTestSuite()
    {
        if (std::getenv("DISPLAY") == nullptr || window != nullptr)
            return;
        // An X server that is just being started or stopped by a neighbouring
        // run can refuse a connection: try a few times before giving up.
        for (int attempt = 0; attempt < 5 && window == nullptr; ++attempt) {
            if (attempt > 0)
                std::this_thread::sleep_for(std::chrono::milliseconds(200));
            openWindow();
        }
    }

    static void openWindow()
    {
        if (!glfwInit())
            return;
        glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 4);
        glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, 1);
        glfwWindowHint(GLFW_OPENGL_FORWARD_COMPAT, GLFW_TRUE);
        glfwWindowHint(GLFW_OPENGL_PROFILE, GLFW_OPENGL_CORE_PROFILE);
        glfwWindowHint(GLFW_OPENGL_DEBUG_CONTEXT, GLFW_TRUE);
        glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
        window = glfwCreateWindow(WindowSize, WindowSize, "korvel test", nullptr, nullptr);
        if (window == nullptr) {
            glfwTerminate();
            return;
        }
        glfwMakeContextCurrent(window);
        glewExperimental = GL_TRUE;
        if (glewInit() != GLEW_OK) {
            glfwDestroyWindow(window);
            window = nullptr;
        }
    }

    static void TearDownTestSuite()
    {
        if (window != nullptr)
            glfwDestroyWindow(window);
        window = nullptr;
        glfwTerminate();
    }

    void SetUp() override
    {
        if (std::getenv("DISPLAY") == nullptr)
            SKIP_OR_FAIL("no display: run the \"gl\" tests under xvfb-run");
        ASSERT_NE(window, nullptr) << "no OpenGL 4.1 core context";
        glfwMakeContextCurrent(window);
        glUseProgram(0);
        while (glGetError() != GL_NO_ERROR) {
        }
    }

    static inline GLFWwindow* window = nullptr;
};
