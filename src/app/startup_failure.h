// How start-up stops when one of its steps fails.
#pragma once

#include <string>

// Whether the framework's GL objects exist yet when start-up fails.
enum class FrameworkState {
    NotStarted,
    Started,  // initFramework succeeded: its objects must go while the context lives
};

// Ends a failed start-up in order: releases the framework's objects (when
// started) while the context still exists, terminates GLFW, prints
// "ERROR: " + message, waits for Enter and returns the exit status 1.
int failStartup(const std::string& message, FrameworkState framework = FrameworkState::NotStarted);
