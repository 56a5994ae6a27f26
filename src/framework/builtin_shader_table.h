// The framework's table of named built-in GLSL programs (Phong, Gouraud, Cook-Torrance,
// texturing and a few more), filled before main runs and kept to process exit. The
// texts are stored base64-encoded; nothing in the game looks an entry up today.
#pragma once

#include <string>
#include <unordered_map>

// One built-in program: vertex and fragment source, each base64-encoded.
struct BuiltinShaderSources {
    std::string vertex;
    std::string fragment;
};

// Keyed by program name ("color", "cookTorrance", ..., "textureBonus"); twelve entries.
extern const std::unordered_map<std::string, BuiltinShaderSources> BuiltinShaderTable;

// Decodes one stored text to GLSL source. Characters outside the base64 alphabet
// end the text.
std::string decodeBuiltinShaderText(const std::string& encoded);
