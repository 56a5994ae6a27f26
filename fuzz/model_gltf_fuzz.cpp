// Imports arbitrary bytes as a glTF model: "model.glb" when they start with the
// binary container's magic, "model.gltf" otherwise. Buffers come as data URIs
// in the input, or in the binary chunk.
#include <cstddef>
#include <cstdint>

#include "imported_model_check.h"
#include "scratch_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const ScratchFolder folder;
    const bool binary = size >= 4 && data[0] == 'g' && data[1] == 'l' && data[2] == 'T' && data[3] == 'F';
    checkImportedModel(importModelFile(folder.write(binary ? "model.glb" : "model.gltf", data, size)));
    return 0;
}
