// Imports arbitrary bytes as a glTF model ("model.gltf"; binary glTF is
// recognised by its magic as well). Buffers come as data URIs in the input.
#include <cstddef>
#include <cstdint>

#include "imported_model_check.h"
#include "scratch_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const ScratchFolder folder;
    checkImportedModel(importModelFile(folder.write("model.gltf", data, size)));
    return 0;
}
