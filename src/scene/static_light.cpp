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

// A texel no chart covers keeps w = -1 in the light layer and 1 in the torch
// layer, which the dilation looks for (the lava strength the charts write is
// never negative, and their torch texels have w = 0).
constexpr float EmptyTexelMark = -1.0f;
constexpr GLuint EmptyTorchTexelMark = 1;

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
        // Light is fine in half floats; packed torch indices are whole 16-bit numbers.
        if (layer == LightLayer)
            glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA16F, layout.width, layout.height, 0, GL_RGBA, GL_FLOAT, nullptr);
        else
            glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA16UI, layout.width, layout.height, 0, GL_RGBA_INTEGER,
                         GL_UNSIGNED_SHORT, nullptr);
        // Light is filtered; torch indices are read whole (and an integer
        // texture filters nothing).
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
    // An integer layer is cleared by value, never through the clear colour.
    const GLfloat emptyLight[4] = {0.0f, 0.0f, 0.0f, EmptyTexelMark};
    const GLuint emptyTorches[4] = {0, 0, 0, EmptyTorchTexelMark};
    glClearBufferfv(GL_COLOR, 0, emptyLight);
    glClearBufferuiv(GL_COLOR, 1, emptyTorches);
    program.drawForBake(models);

    const std::size_t count = static_cast<std::size_t>(layout.width) * layout.height;
    std::vector<glm::vec4> texels(count);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glReadBuffer(layers[LightLayer]);
    glReadPixels(0, 0, layout.width, layout.height, GL_RGBA, GL_FLOAT, texels.data());
    dilateLightAtlas(texels, layout.width, layout.height, dilation, DilationRule::Mean, glm::vec4(0.0f));
    glBindTexture(GL_TEXTURE_2D, textures[LightLayer]);
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, layout.width, layout.height, GL_RGBA, GL_FLOAT, texels.data());

    // The torch indices are dilated as numbers (exact in a float) and go back whole.
    std::vector<GLuint> torches(count * 4);
    glReadBuffer(layers[1]);
    glReadPixels(0, 0, layout.width, layout.height, GL_RGBA_INTEGER, GL_UNSIGNED_INT, torches.data());
    for (std::size_t i = 0; i < count; ++i)
        texels[i] = glm::vec4(torches[4 * i], torches[4 * i + 1], torches[4 * i + 2],
                              torches[4 * i + 3] == EmptyTorchTexelMark ? EmptyTexelMark : 0.0f);
    dilateLightAtlas(texels, layout.width, layout.height, dilation, DilationRule::FirstNeighbour, NoTorches);
    for (std::size_t i = 0; i < count; ++i)
        for (int channel = 0; channel < 4; ++channel)
            torches[4 * i + channel] = static_cast<GLuint>(texels[i][channel]);
    glBindTexture(GL_TEXTURE_2D, textures[1]);
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, layout.width, layout.height, GL_RGBA_INTEGER, GL_UNSIGNED_INT,
                    torches.data());
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
    std::vector<std::uint16_t> torches(count * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    // The light as the half floats the texture holds, so a load gives back the same bits.
    glBindTexture(GL_TEXTURE_2D, textures[LightLayer]);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_HALF_FLOAT, stored.light.data());
    glBindTexture(GL_TEXTURE_2D, textures[1]);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA_INTEGER, GL_UNSIGNED_SHORT, torches.data());
    glBindTexture(GL_TEXTURE_2D, 0);
    stored.torches.reserve(count * 3);
    for (std::size_t i = 0; i < count; ++i) {
        // Every texel was covered or filled by the dilation; a mark left over is a broken bake.
        if (torches[4 * i + 3] != 0)
            return std::nullopt;
        stored.torches.insert(stored.torches.end(), &torches[4 * i], &torches[4 * i + 3]);
    }
    return stored;
}

void StaticLight::load(const StaticLightTexels& stored)
{
    GLint previousAlignment = 4;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &previousAlignment);
    glBindTexture(GL_TEXTURE_2D, textures[LightLayer]);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, layout.width, layout.height, GL_RGBA, GL_HALF_FLOAT,
                    stored.light.data());
    // Three 16-bit channels a texel: rows of any width are packed on two bytes.
    glBindTexture(GL_TEXTURE_2D, textures[1]);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 2);
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, layout.width, layout.height, GL_RGB_INTEGER, GL_UNSIGNED_SHORT,
                    stored.torches.data());
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
