// Diagnostic callbacks: GLFW errors and OpenGL debug messages, each reported as one
// console line. The formatting is pure so the word tables are testable; the
// callbacks run on the main thread (debug output is synchronous).
#pragma once

#include <string>

#include <GL/glew.h>

// Debug messages with these ids are known driver chatter and print nothing.
constexpr GLuint IgnoredDebugMessageIds[] = {131185, 131218};

// "GLFW error <code>: <description>".
std::string formatGlfwError(int code, const char* description);

// Words for a debug message's source, type and severity; the older AMD debug-output
// categories map to the same words. Unknown values give "Unknown".
const char* debugSourceWord(GLenum source);
const char* debugTypeWord(GLenum type);
const char* debugSeverityWord(GLenum severity);

// "OpenGL Error: <message> [Source = .., Type = .., Severity = .., ID = <id>]", for
// every message whatever its type or severity.
std::string formatDebugMessage(GLenum source, GLenum type, GLuint id, GLenum severity, const char* message);

bool isIgnoredDebugMessage(GLuint id);

// GLFW error callback; prints formatGlfwError.
void glfwErrorCallback(int code, const char* description);

// OpenGL debug-message callback; prints formatDebugMessage unless the id is ignored.
// The length is unused: the message is read up to its terminating zero.
void GLAPIENTRY openGlDebugCallback(GLenum source, GLenum type, GLuint id, GLenum severity, GLsizei length,
                                    const GLchar* message, const void* userParam);
