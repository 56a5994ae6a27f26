// Imports arbitrary bytes as an OBJ model with its material library: the bytes
// up to the first zero byte are "model.obj", the rest "model.mtl", both in one
// folder, so "mtllib model.mtl" finds the second half.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "imported_model_check.h"
#include "support/scratch_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const ScratchFolder folder{"korvel-fuzz", ScratchStorage::Memory};
    const std::uint8_t* split = std::find(data, data + size, std::uint8_t{0});
    const std::string objPath = folder.write("model.obj", data, split - data);
    const std::uint8_t* mtl = split == data + size ? split : split + 1;
    folder.write("model.mtl", mtl, data + size - mtl);
    checkImportedModel(importModelFile(objPath));
    return 0;
}
