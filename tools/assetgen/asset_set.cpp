#include "asset_set.h"

#include "dds_writer.h"
#include "gltf_writer.h"
#include "level_model.h"
#include "prop_models.h"
#include "sound_synth.h"
#include "texture_patterns.h"
#include "wav_writer.h"

#include <functional>

namespace {

constexpr double NormalMapStrength = 6.0;

class AssetWriter {
public:
    explicit AssetWriter(std::string root) : root(std::move(root)) {}

    void model(const std::string& folder, const std::string& name, const MeshBuilder& mesh,
               const std::vector<MaterialSpec>& materials)
    {
        writeObjModel(root + "/" + folder, name, mesh, materials);
        note(folder + "/" + name + ".obj");
        note(folder + "/" + name + ".mtl");
    }

    void png(const std::string& path, const Image& image)
    {
        writePng(root + "/" + path, image);
        note(path);
    }

    void dds(const std::string& path, const Image& image)
    {
        writeDds(root + "/" + path, image);
        note(path);
    }

    void wav(const std::string& path, const std::vector<double>& samples)
    {
        writeMonoWav(root + "/" + path, samples, SoundSampleRate);
        note(path);
    }

    void gltf(const std::string& folder)
    {
        writeSkeletonGltf(root + "/" + folder);
        note(folder + "/scene.gltf");
        note(folder + "/scene.bin");
    }

    std::vector<std::string> written;

private:
    void note(const std::string& path) { written.push_back(path); }

    std::string root;
};

}  // namespace

std::vector<std::string> generateAssets(const std::string& outputRoot)
{
    AssetWriter out(outputRoot);
    const std::string geometry = "assets/geometry/";

    out.model(geometry + "map", "Map", buildLevelMesh(), levelMaterials());
    out.png(geometry + "map/textures/stone.png", stoneFlagsPicture());
    const SurfacePicture brick = brickPicture();
    out.png(geometry + "map/textures/brick.png", brick.diffuse);
    out.png(geometry + "map/textures/brick_normal.png", normalMapFrom(brick.height, NormalMapStrength));

    out.model(geometry + "torches", "Torches", buildTorchesMesh(), torchMaterials());
    out.png(geometry + "torches/textures/wood.png", woodPicture());

    out.model(geometry + "door", "Door", buildDoorMesh(), doorMaterials());
    out.png(geometry + "door/textures/planks.png", planksPicture());

    out.model(geometry + "lava", "Lava", buildLavaMesh(), lavaMaterials());
    out.png(geometry + "lava/textures/lava.png", lavaPicture());

    out.model(geometry + "spiders", "Spider", buildSpiderMesh(), spiderMaterials());
    out.png(geometry + "spiders/textures/chitin.png", chitinPicture());

    out.model(geometry + "podium", "Podium", buildPodiumMesh(), podiumMaterials());
    const SurfacePicture marble = marblePicture();
    out.png(geometry + "podium/textures/marble.png", marble.diffuse);
    out.png(geometry + "podium/textures/marble_normal.png", normalMapFrom(marble.height, NormalMapStrength));

    out.model(geometry + "riddle", "Riddle", buildRiddleMesh(), riddleMaterials());
    out.png(geometry + "riddle/textures/runes.png", runesPicture());

    out.gltf(geometry + "magicSkeleton");
    out.png(geometry + "magicSkeleton/textures/bone.png", bonePicture());

    out.dds("assets/textures/wood_texture.dds", woodPicture());
    out.dds("assets/textures/tiles_diffuse.dds", tilesPicture());

    for (const GeneratedSound& sound : gameSounds())
        out.wav("assets/sounds/" + sound.fileName, sound.samples);
    return out.written;
}
