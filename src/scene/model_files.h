// A model's files read from disk, the model file and every image its
// materials name, without touching the GPU: the CPU half of loading a model,
// which may run on a worker thread (the level reads its files while the
// window and the shaders are made). A Model is then built from it on the
// context's thread.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "scene/model_import.h"
#include "scene/texture_upload.h"

struct PreparedModel {
    std::string path;
    ImportedModel imported;  // its error line is printed when the model is built
    // Each image path the materials name, with its file; first use first.
    std::vector<std::pair<std::string, TextureFile>> textures;

    // The file of `texturePath`; null when it was not read.
    const TextureFile* texture(const std::string& texturePath) const;
};

// Imports `path` and reads its images. Prints nothing; safe on any thread.
PreparedModel prepareModelFiles(const std::string& path);
