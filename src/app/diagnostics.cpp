#include "app/diagnostics.h"

#include "framework/console.h"

std::string formatGlfwError(int code, const char* description)
{
    return "GLFW error " + std::to_string(code) + ": " + (description ? description : "");
}

const char* debugSourceWord(GLenum source)
{
    switch (source) {
    case GL_DEBUG_SOURCE_API:
    case GL_DEBUG_CATEGORY_API_ERROR_AMD:
        return "API";
    case GL_DEBUG_SOURCE_WINDOW_SYSTEM:
    case GL_DEBUG_CATEGORY_WINDOW_SYSTEM_AMD:
        return "Window System";
    case GL_DEBUG_SOURCE_SHADER_COMPILER:
    case GL_DEBUG_CATEGORY_SHADER_COMPILER_AMD:
        return "Shader Compiler";
    case GL_DEBUG_SOURCE_THIRD_PARTY:
        return "Third Party";
    case GL_DEBUG_SOURCE_APPLICATION:
    case GL_DEBUG_CATEGORY_APPLICATION_AMD:
        return "Application";
    case GL_DEBUG_SOURCE_OTHER:
    case GL_DEBUG_CATEGORY_OTHER_AMD:
        return "Other";
    default:
        return "Unknown";
    }
}

const char* debugTypeWord(GLenum type)
{
    switch (type) {
    case GL_DEBUG_TYPE_ERROR:
        return "Error";
    case GL_DEBUG_TYPE_DEPRECATED_BEHAVIOR:
    case GL_DEBUG_CATEGORY_DEPRECATION_AMD:
        return "Deprecated Behavior";
    case GL_DEBUG_TYPE_UNDEFINED_BEHAVIOR:
    case GL_DEBUG_CATEGORY_UNDEFINED_BEHAVIOR_AMD:
        return "Undefined Behavior";
    case GL_DEBUG_TYPE_PORTABILITY:
        return "Portability";
    case GL_DEBUG_TYPE_PERFORMANCE:
    case GL_DEBUG_CATEGORY_PERFORMANCE_AMD:
        return "Performance";
    case GL_DEBUG_TYPE_OTHER:
    case GL_DEBUG_CATEGORY_OTHER_AMD:
        return "Other";
    default:
        return "Unknown";
    }
}

const char* debugSeverityWord(GLenum severity)
{
    switch (severity) {
    case GL_DEBUG_SEVERITY_HIGH:
        return "High";
    case GL_DEBUG_SEVERITY_MEDIUM:
        return "Medium";
    case GL_DEBUG_SEVERITY_LOW:
        return "Low";
    default:
        return "Unknown";
    }
}

std::string formatDebugMessage(GLenum source, GLenum type, GLuint id, GLenum severity, const char* message)
{
    return std::string("OpenGL Error: ") + (message ? message : "") +
           " [Source = " + debugSourceWord(source) + ", Type = " + debugTypeWord(type) +
           ", Severity = " + debugSeverityWord(severity) + ", ID = " + std::to_string(id) + "]";
}

bool isIgnoredDebugMessage(GLuint id)
{
    for (GLuint ignored : IgnoredDebugMessageIds)
        if (id == ignored)
            return true;
    return false;
}

void glfwErrorCallback(int code, const char* description)
{
    printLine(formatGlfwError(code, description));
}

void GLAPIENTRY openGlDebugCallback(GLenum source, GLenum type, GLuint id, GLenum severity,
                                    GLsizei /*length*/, const GLchar* message, const void* /*userParam*/)
{
    if (isIgnoredDebugMessage(id))
        return;
    printLine(formatDebugMessage(source, type, id, severity, message));
}
