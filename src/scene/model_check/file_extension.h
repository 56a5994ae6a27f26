// The part of a file's name that says its format, for the checks that pick a
// model reader by it.
#pragma once

#include <string>

namespace model_check {

// What follows the last "." of the file's name, in lower case ("gltf" for
// "Scene.GLTF"); empty when the name has no ".".
std::string lowerCaseExtension(const std::string& path);

}  // namespace model_check
