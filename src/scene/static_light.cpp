#include "scene/static_light.h"

#include <chrono>

#include <GL/glew.h>
#include <glm/vec4.hpp>

#include "framework/framebuffer_status.h"
#include "framework/gpu_layout.h"
#include "scene/lighting_mode.h"
#include "scene/model.h"
#include "scene/model_program.h"

namespace {

// Filled rings around each chart: as many as the padding, so that bilinear reads
// at a chart's edge never see an empty texel and never a neighbour's light.
int dilationPasses(const LightAtlasSettings& settings)
{
    return settings.padding;
}

std::vector<LightAtlasMesh> atlasMeshes(const std::vector<const Model*>& models)
{
    std::vector<LightAtlasMesh> meshes;
    for (const Model* model : models)
        for (const Mesh& mesh : model->meshes) {
            LightAtlasMesh atlasMesh;
            atlasMesh.positions.reserve(mesh.vertices.size());
            for (const Vertex& vertex : mesh.vertices)
                atlasMesh.positions.push_back(vertex.position);
            atlasMesh.indices = mesh.indices;
            meshes.push_back(std::move(atlasMesh));
        }
    return meshes;
}

// A texel no chart covers keeps w = -1, which the dilation looks for (the lava
// strength the charts write is never negative).
constexpr float EmptyTexelMark = -1.0f;

// The atlas's layers: light (other torches and lava), then the brightest torches.
constexpr int LightLayer = 0;
// A torch-index texel naming no torch.
// Each channel packs two torch indices as first + 64 * second; 63 is "none".
const glm::vec4 NoTorches{63.0f + 64.0f * 63.0f, 63.0f + 64.0f * 63.0f, 63.0f + 64.0f * 63.0f, 0.0f};

}  // namespace

StaticLight::StaticLight(std::vector<const Model*> staticModels, const LightAtlasSettings& settings)
    : StaticLight(staticModels, layOutLightAtlas(atlasMeshes(staticModels), settings),
                  dilationPasses(settings))
{
}

StaticLight::StaticLight(std::vector<const Model*> staticModels, LightAtlasLayout atlasLayout,
                         int dilationRings)
    : models(std::move(staticModels)), layout(std::move(atlasLayout)), dilation(dilationRings)
{
    complete = createAtlas();
    if (complete)
        addAtlasCoordinates();
}

void StaticLight::addAtlasCoordinates()
{
    std::size_t meshIndex = 0;
    for (const Model* model : models)
        for (const Mesh& mesh : model->meshes) {
            const std::vector<glm::vec2>& coordinates = layout.coordinates[meshIndex++];
            GLuint buffer = 0;
            glGenBuffers(1, &buffer);
            coordinateBuffers.push_back(buffer);
            glBindVertexArray(mesh.vao);
            glBindBuffer(GL_ARRAY_BUFFER, buffer);
            glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(coordinates.size() * sizeof(glm::vec2)),
                         coordinates.data(), GL_STATIC_DRAW);
            glEnableVertexAttribArray(AttributeLightTexCoords);
            glVertexAttribPointer(AttributeLightTexCoords, 2, GL_FLOAT, GL_FALSE, sizeof(glm::vec2), nullptr);
            glBindVertexArray(0);
        }
    glBindBuffer(GL_ARRAY_BUFFER, 0);
}

bool StaticLight::createAtlas()
{
    glGenTextures(2, textures);
    glGenFramebuffers(1, &framebuffer);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    for (int layer = 0; layer < 2; ++layer) {
        glBindTexture(GL_TEXTURE_2D, textures[layer]);
        // Packed torch indices need every bit of a 32-bit float; light is fine in half floats.
        const GLint format = layer == LightLayer ? GL_RGBA16F : GL_RGBA32F;
        glTexImage2D(GL_TEXTURE_2D, 0, format, layout.width, layout.height, 0, GL_RGBA, GL_FLOAT, nullptr);
        // Light is filtered; torch indices are read whole.
        const GLint filter = layer == LightLayer ? GL_LINEAR : GL_NEAREST;
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
        glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0 + layer, GL_TEXTURE_2D, textures[layer],
                               0);
    }
    glBindTexture(GL_TEXTURE_2D, 0);
    const bool isComplete = checkFramebufferComplete("Light atlas", "lighting every pixel per frame");
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    return isComplete;
}

StaticLight::~StaticLight()
{
    glDeleteFramebuffers(1, &framebuffer);
    glDeleteTextures(2, textures);
    glDeleteBuffers(static_cast<GLsizei>(coordinateBuffers.size()), coordinateBuffers.data());
}

void StaticLight::bake(ModelProgram& program)
{
    const auto start = std::chrono::steady_clock::now();
    const GLboolean blending = glIsEnabled(GL_BLEND);
    const GLboolean culling = glIsEnabled(GL_CULL_FACE);
    const GLboolean depthTest = glIsEnabled(GL_DEPTH_TEST);
    GLint polygonMode[2] = {GL_FILL, GL_FILL};
    glGetIntegerv(GL_POLYGON_MODE, polygonMode);
    GLfloat clearColour[4] = {0.0f, 0.0f, 0.0f, 1.0f};
    glGetFloatv(GL_COLOR_CLEAR_VALUE, clearColour);
    // The charts never overlap and may face either way once flattened; the
    // alpha channel carries light, not coverage.
    glDisable(GL_BLEND);
    glDisable(GL_CULL_FACE);
    glDisable(GL_DEPTH_TEST);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);

    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    const GLenum layers[2] = {GL_COLOR_ATTACHMENT0, GL_COLOR_ATTACHMENT1};
    glDrawBuffers(2, layers);
    glViewport(0, 0, layout.width, layout.height);
    glClearColor(0.0f, 0.0f, 0.0f, EmptyTexelMark);
    glClear(GL_COLOR_BUFFER_BIT);
    program.drawForBake(models);

    std::vector<glm::vec4> texels(static_cast<std::size_t>(layout.width) * layout.height);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    for (int layer = 0; layer < 2; ++layer) {
        glReadBuffer(layers[layer]);
        glReadPixels(0, 0, layout.width, layout.height, GL_RGBA, GL_FLOAT, texels.data());
        if (layer == LightLayer)
            dilateLightAtlas(texels, layout.width, layout.height, dilation, DilationRule::Mean,
                             glm::vec4(0.0f));
        else
            dilateLightAtlas(texels, layout.width, layout.height, dilation, DilationRule::FirstNeighbour,
                             NoTorches);
        glBindTexture(GL_TEXTURE_2D, textures[layer]);
        glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, layout.width, layout.height, GL_RGBA, GL_FLOAT,
                        texels.data());
    }
    glBindTexture(GL_TEXTURE_2D, 0);
    glDrawBuffer(GL_COLOR_ATTACHMENT0);
    glReadBuffer(GL_COLOR_ATTACHMENT0);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);

    program.selectLighting(LightingMode::PerPixel);
    glClearColor(clearColour[0], clearColour[1], clearColour[2], clearColour[3]);
    if (blending)
        glEnable(GL_BLEND);
    if (culling)
        glEnable(GL_CULL_FACE);
    if (depthTest)
        glEnable(GL_DEPTH_TEST);
    glPolygonMode(GL_FRONT_AND_BACK, static_cast<GLenum>(polygonMode[0]));
    lastBakeSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

std::optional<StaticLightTexels> StaticLight::texels() const
{
    StaticLightTexels stored;
    stored.width = layout.width;
    stored.height = layout.height;
    const std::size_t count = static_cast<std::size_t>(layout.width) * layout.height;
    stored.light.resize(count * 4);
    std::vector<glm::vec4> torches(count);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    // The light as the half floats the texture holds, so a load gives back the same bits.
    glBindTexture(GL_TEXTURE_2D, textures[LightLayer]);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_HALF_FLOAT, stored.light.data());
    glBindTexture(GL_TEXTURE_2D, textures[1]);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_FLOAT, torches.data());
    glBindTexture(GL_TEXTURE_2D, 0);
    stored.torches.reserve(count * 3);
    for (const glm::vec4& texel : torches) {
        for (int channel = 0; channel < 3; ++channel) {
            const float packed = texel[channel];
            if (!(packed >= 0.0f && packed <= 65535.0f) ||
                packed != static_cast<float>(static_cast<int>(packed)))
                return std::nullopt;
            stored.torches.push_back(static_cast<std::uint16_t>(packed));
        }
        if (texel.w != 0.0f)
            return std::nullopt;
    }
    return stored;
}

void StaticLight::load(const StaticLightTexels& stored)
{
    const std::size_t count = static_cast<std::size_t>(layout.width) * layout.height;
    std::vector<glm::vec4> torches(count);
    for (std::size_t i = 0; i < count; ++i)
        torches[i] =
            glm::vec4(stored.torches[3 * i], stored.torches[3 * i + 1], stored.torches[3 * i + 2], 0.0f);
    GLint previousAlignment = 4;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &previousAlignment);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glBindTexture(GL_TEXTURE_2D, textures[LightLayer]);
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, layout.width, layout.height, GL_RGBA, GL_HALF_FLOAT,
                    stored.light.data());
    glBindTexture(GL_TEXTURE_2D, textures[1]);
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, layout.width, layout.height, GL_RGBA, GL_FLOAT, torches.data());
    glBindTexture(GL_TEXTURE_2D, 0);
    glPixelStorei(GL_UNPACK_ALIGNMENT, previousAlignment);
}

void StaticLight::bind() const
{
    glActiveTexture(GL_TEXTURE0 + StaticLightTextureUnit);
    glBindTexture(GL_TEXTURE_2D, textures[0]);
    glActiveTexture(GL_TEXTURE0 + StaticLightTorchesTextureUnit);
    glBindTexture(GL_TEXTURE_2D, textures[1]);
    glActiveTexture(GL_TEXTURE0);
}
