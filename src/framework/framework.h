// Framework start-up and shutdown around the game's own: checks the context,
// installs a default program when none is current and uploads the built-in mesh.
// Both objects are process-wide and live from initFramework to shutdownFramework,
// which must run while the context still exists.
#pragma once

#include <memory>

#include "framework/shader.h"

// GL names of the uploaded built-in mesh (positions only, attribute 0); 0 = none.
struct BuiltinMesh {
    unsigned vao = 0;
    unsigned vbo = 0;
    unsigned ebo = 0;
    int indexCount = 0;
};

// The framework's own program, made current at start-up when no other was; null
// when the game already had a program current or after shutdownFramework.
extern std::unique_ptr<Shader> defaultShader;
extern BuiltinMesh builtinMesh;

// Needs GLEW initialised. False, after printing why, when no context is current or
// the GL is older than 3.0; nothing is created then.
bool initFramework();

// Releases the built-in mesh and the default program (leaving no program current).
void shutdownFramework();
