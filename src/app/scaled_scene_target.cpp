#include "app/scaled_scene_target.h"

#include <GL/glew.h>

#include "framework/console.h"
#include "framework/shader.h"

namespace {

const char* const UpscaleVertexShader = "assets/shaders/upscale.vert";
const char* const UpscaleFragmentShader = "assets/shaders/upscale.frag";
constexpr int PictureTextureUnit = 0;

// The state the upscale's triangle must not be touched by (depth, blending,
// culling, and the wireframe of F1), restored when it is drawn.
class PlainDrawState {
public:
    PlainDrawState()
    {
        glGetIntegerv(GL_POLYGON_MODE, polygonMode);
        glDisable(GL_DEPTH_TEST);
        glDisable(GL_BLEND);
        glDisable(GL_CULL_FACE);
        glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    }
    ~PlainDrawState()
    {
        restore(GL_DEPTH_TEST, depthTest);
        restore(GL_BLEND, blending);
        restore(GL_CULL_FACE, culling);
        glPolygonMode(GL_FRONT_AND_BACK, static_cast<GLenum>(polygonMode[0]));
    }
    PlainDrawState(const PlainDrawState&) = delete;
    PlainDrawState& operator=(const PlainDrawState&) = delete;

private:
    static void restore(GLenum capability, GLboolean enabled)
    {
        if (enabled)
            glEnable(capability);
        else
            glDisable(capability);
    }

    const GLboolean depthTest = glIsEnabled(GL_DEPTH_TEST);
    const GLboolean blending = glIsEnabled(GL_BLEND);
    const GLboolean culling = glIsEnabled(GL_CULL_FACE);
    GLint polygonMode[2] = {GL_FILL, GL_FILL};
};

GLuint renderbuffer(GLenum format, int samples, PixelSize size)
{
    GLuint name = 0;
    glGenRenderbuffers(1, &name);
    glBindRenderbuffer(GL_RENDERBUFFER, name);
    glRenderbufferStorageMultisample(GL_RENDERBUFFER, samples, format, size.width, size.height);
    glBindRenderbuffer(GL_RENDERBUFFER, 0);
    return name;
}

bool complete(GLuint framebuffer)
{
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    return glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
}

}  // namespace

ScaledSceneTarget::ScaledSceneTarget() = default;

ScaledSceneTarget::~ScaledSceneTarget()
{
    release();
    glDeleteVertexArrays(1, &emptyVertexArray);
}

void ScaledSceneTarget::release()
{
    glDeleteFramebuffers(1, &framebuffer);
    glDeleteFramebuffers(1, &resolvedFramebuffer);
    glDeleteRenderbuffers(1, &colourBuffer);
    glDeleteRenderbuffers(1, &depthBuffer);
    glDeleteTextures(1, &picture);
    framebuffer = resolvedFramebuffer = colourBuffer = depthBuffer = picture = 0;
    size = PixelSize{};
}

bool ScaledSceneTarget::bind(PixelSize wanted)
{
    if (samples < 0) {
        // GL_SAMPLES is the bound framebuffer's: the window's is wanted.
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
        glGetIntegerv(GL_SAMPLES, &samples);
        if (samples < 0)
            samples = 0;
    }
    if (framebuffer != 0 && wanted.width == size.width && wanted.height == size.height) {
        glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
        return true;
    }
    if (failed)
        return false;

    release();
    glGenTextures(1, &picture);
    glBindTexture(GL_TEXTURE_2D, picture);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, wanted.width, wanted.height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                 nullptr);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
    glBindTexture(GL_TEXTURE_2D, 0);
    // With a stencil, like the window's, so that its clear is a plain fill too.
    depthBuffer = renderbuffer(GL_DEPTH24_STENCIL8, samples, wanted);

    glGenFramebuffers(1, &framebuffer);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    if (samples > 0) {
        // Multisampled pictures cannot be read filtered: the passes draw into a
        // renderbuffer, resolved into the texture before the upscale.
        colourBuffer = renderbuffer(GL_RGBA8, samples, wanted);
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, colourBuffer);
        glGenFramebuffers(1, &resolvedFramebuffer);
        glBindFramebuffer(GL_FRAMEBUFFER, resolvedFramebuffer);
        glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, picture, 0);
        glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    } else {
        glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, picture, 0);
    }
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_STENCIL_ATTACHMENT, GL_RENDERBUFFER, depthBuffer);

    const bool usable = (samples == 0 || complete(resolvedFramebuffer)) && complete(framebuffer);
    if (!usable) {
        printLine("ERROR: No off-screen target of " + std::to_string(wanted.width) + " x " +
                  std::to_string(wanted.height) + " pixels; drawing at render scale 1");
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
        release();
        failed = true;
        return false;
    }
    size = wanted;
    return true;
}

void ScaledSceneTarget::presentTo(PixelSize window)
{
    if (samples > 0) {
        glBindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer);
        glBindFramebuffer(GL_DRAW_FRAMEBUFFER, resolvedFramebuffer);
        glBlitFramebuffer(0, 0, size.width, size.height, 0, 0, size.width, size.height, GL_COLOR_BUFFER_BIT,
                          GL_NEAREST);
    }
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glViewport(0, 0, window.width, window.height);
    if (!upscale) {
        upscale = std::make_unique<Shader>(UpscaleVertexShader, UpscaleFragmentShader);
        upscale->use();
        upscale->setUniform("scenePicture", PictureTextureUnit);
        glGenVertexArrays(1, &emptyVertexArray);
    }

    const PlainDrawState plain;
    upscale->use();
    glActiveTexture(GL_TEXTURE0 + PictureTextureUnit);
    glBindTexture(GL_TEXTURE_2D, picture);
    glBindVertexArray(emptyVertexArray);
    glDrawArrays(GL_TRIANGLES, 0, 3);
    glBindVertexArray(0);
    glBindTexture(GL_TEXTURE_2D, 0);
}
