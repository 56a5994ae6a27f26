// The complete set of generated files: every model under assets/geometry/ with
// its material library and images, the two DDS textures under assets/textures/ and
// the sounds under assets/sounds/.
#pragma once

#include <string>
#include <vector>

// Writes everything below <outputRoot>/assets/ and returns the written paths,
// relative to outputRoot, in writing order. The same call always writes the same bytes.
std::vector<std::string> generateAssets(const std::string& outputRoot);
