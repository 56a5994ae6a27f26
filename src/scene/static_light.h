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
class Shader;

// Vertex attribute location of the atlas coordinates.
constexpr unsigned AttributeLightTexCoords = 5;
// Texture units of the atlas's two layers, clear of the mesh textures (0 to 8),
// the shadow map (9) and the light grid (10).
constexpr int StaticLightTextureUnit = 11;
constexpr int StaticLightTorchesTextureUnit = 12;
constexpr const char* StaticLightUniform = "staticLight";
constexpr const char* StaticLightTorchesUniform = "staticLightTorches";

class StaticLight {
public:
    // `models` must outlive this object; their meshes are drawn by bake().
    StaticLight(std::vector<const Model*> models, const LightAtlasSettings& settings);
    ~StaticLight();
    StaticLight(const StaticLight&) = delete;
    StaticLight& operator=(const StaticLight&) = delete;

    // Draws every static mesh into the atlas with `program` in LightingMode::Bake.
    // The program must be current with every lighting uniform set and the shadow
    // map and light grid bound. Leaves framebuffer 0 bound and blending, culling,
    // depth test, polygon mode and clear colour as they were; the caller sets its
    // viewport again.
    void bake(const std::shared_ptr<Shader>& program);

    // The atlas's texels as its textures hold them, to be stored; nullopt when
    // they do not fit the file's types (which a bake never gives).
    std::optional<StaticLightTexels> texels() const;

    // Fills the atlas with texels stored from an earlier bake of the same
    // layout (readStaticLightFile checked the size), instead of baking.
    void load(const StaticLightTexels& stored);

    // Sets the two atlas samplers' units on the current program of `shader`.
    static void setSamplerUniforms(Shader& shader);

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
    std::uint32_t textures[2] = {0, 0};            // other torches and lava; the two brightest torches
    std::uint32_t framebuffer = 0;
    int dilation = 0;  // filled rings around each chart
    double lastBakeSeconds = 0.0;
};
