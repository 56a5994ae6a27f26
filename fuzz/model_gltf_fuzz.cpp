// Imports arbitrary bytes as a glTF model: "model.glb" when they start with the
// binary container's magic, "model.gltf" otherwise. Buffers come as data URIs
// in the input, or in the binary chunk. The file is read twice, as the game
// reads the skeleton: once as a model, once as the animation clip that plays
// it, whose frames are then sampled.
#include <cstddef>
#include <cstdint>

#include "imported_model_check.h"
#include "scene/animation/animation_clip.h"
#include "scene/animation/animation_player.h"
#include "scene/model.h"
#include "support/scratch_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const ScratchFolder folder{"korvel-fuzz", ScratchStorage::Memory};
    const bool binary = size >= 4 && data[0] == 'g' && data[1] == 'l' && data[2] == 'T' && data[3] == 'F';
    const std::string path = folder.write(binary ? "model.glb" : "model.gltf", data, size);
    checkImportedModel(importModelFile(path));

    Model model;
    AnimationClip clip(path, model);
    if (clip.isPlayable) {
        AnimationPlayer player(&clip);
        for (int frame = 0; frame < 3; ++frame)
            player.advance(0.4f);
    }
    return 0;
}
