// Shared GLSL for shader files. A line `#include "name"` in a stage file is
// replaced by the named file (a path relative to the including file's folder),
// with #line directives around it, so that the driver's messages count the
// lines of each file on its own and tell the files apart by their GLSL source
// number. Included files may include others; a file that includes itself,
// directly or round a circle, is an error.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

struct ShaderSourceText {
    std::string text;
    // The files the text came from, indexed by their GLSL source number; the
    // stage's own file is number 0.
    std::vector<std::string> files;
};

// Reads a file by its relative asset path; nothing when it cannot be read.
using ShaderFileReader = std::function<std::optional<std::string>(const std::string& path)>;

// The stage file at `path` with every include put in. A file that cannot be
// read, or an include circle, ends the game with one line naming the file.
ShaderSourceText expandShaderIncludes(const std::string& path, const ShaderFileReader& read);

// A driver's compile log with each line's leading source number ("1:12(5): error",
// "ERROR: 1:12: ...", "1(12) : error") replaced by the name of that file.
std::string nameShaderSources(const std::string& log, const std::vector<std::string>& files);
