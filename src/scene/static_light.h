// The fixed light of the static scenery, computed once at start-up and read
// back per fragment: the torches and the shadowed lava light never move, and
// neither do the map, door, lava, podium and riddle.
//
// Construction lays the static meshes out in one atlas (light_atlas.h) and
// gives each mesh a second vertex buffer with its atlas coordinates on
// attribute location 5; the 88-byte vertices stay as they are. bake() then
// draws those meshes into the atlas with the model program in its bake mode,
// so the stored light comes from the same shader code and the same uniforms
// as the per-pixel light. Owns its GL objects (delete before the context).
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "scene/light_atlas.h"
#include "scene/static_light_file.h"

class Model;
class ModelProgram;

// Its vertex attribute and the texture units of its two layers are in
// framework/gpu_layout.h.
constexpr const char* StaticLightUniform = "staticLight";
constexpr const char* StaticLightTorchesUniform = "staticLightTorches";

class StaticLight {
public:
    // `models` must outlive this object; their meshes are drawn by bake().
    StaticLight(std::vector<const Model*> models, const LightAtlasSettings& settings);
    // The same on an atlas already laid out for `models` (one coordinate list
    // per mesh); `dilation` rings are filled around each chart after a bake.
    StaticLight(std::vector<const Model*> models, LightAtlasLayout layout, int dilation);
    ~StaticLight();
    StaticLight(const StaticLight&) = delete;
    StaticLight& operator=(const StaticLight&) = delete;

    // False when the driver refused the atlas's framebuffer (a line said so):
    // nothing can be baked or read, and the meshes were given no atlas
    // coordinates. The level then lights every pixel per frame instead.
    bool isComplete() const { return complete; }

    // Draws every static mesh into the atlas with `program` in LightingMode::Bake,
    // then leaves it in LightingMode::PerPixel. The program must have every
    // lighting uniform set and the shadow map and light grid bound. Leaves
    // framebuffer 0 bound and blending, culling, depth test, polygon mode and
    // clear colour as they were; the caller sets its viewport again.
    void bake(ModelProgram& program);

    // The atlas's texels as its textures hold them, to be stored; nullopt when
    // they do not fit the file's types (which a bake never gives).
    std::optional<StaticLightTexels> texels() const;

    // Fills the atlas with texels stored from an earlier bake of the same
    // layout (StaticLightPrefetch::take checked the size), instead of baking.
    void load(const StaticLightTexels& stored);

    // Binds the atlas's layers on their units, then makes unit 0 active.
    void bind() const;

    int width() const { return layout.width; }
    int height() const { return layout.height; }
    const LightAtlasLayout& atlasLayout() const { return layout; }
    // Seconds the last bake took, read-back and filling included.
    double bakeSeconds() const { return lastBakeSeconds; }

private:
    std::vector<const Model*> models;
    LightAtlasLayout layout;
    std::vector<std::uint32_t> coordinateBuffers;  // one per mesh, in model and mesh order
    // Light of the other torches and the lava; the (at most six) torches that
    // light each texel most, two indices a channel.
    std::uint32_t textures[2] = {0, 0};
    std::uint32_t framebuffer = 0;
    bool complete = false;
    int dilation = 0;  // filled rings around each chart
    double lastBakeSeconds = 0.0;

    // The atlas's two layers and the framebuffer that writes both; false when incomplete.
    bool createAtlas();
    // Each mesh's second vertex buffer with its atlas coordinates.
    void addAtlasCoordinates();
};
