#include "app/scene_target.h"

#include <string>

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

GLuint renderbuffer(GLenum format, PixelSize size)
{
    GLuint name = 0;
    glGenRenderbuffers(1, &name);
    glBindRenderbuffer(GL_RENDERBUFFER, name);
    glRenderbufferStorageMultisample(GL_RENDERBUFFER, SceneTarget::Samples, format, size.width, size.height);
    glBindRenderbuffer(GL_RENDERBUFFER, 0);
    return name;
}

bool complete(GLuint framebuffer)
{
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    return glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
}

// Averages the samples of the bound read framebuffer into the bound draw one.
void resolve(PixelSize size)
{
    glBlitFramebuffer(0, 0, size.width, size.height, 0, 0, size.width, size.height, GL_COLOR_BUFFER_BIT,
                      GL_NEAREST);
}

}  // namespace

SceneTarget::SceneTarget() = default;

SceneTarget::~SceneTarget()
{
    release();
    glDeleteVertexArrays(1, &emptyVertexArray);
}

void SceneTarget::release()
{
    glDeleteFramebuffers(1, &framebuffer);
    glDeleteFramebuffers(1, &resolvedFramebuffer);
    glDeleteRenderbuffers(1, &colourBuffer);
    glDeleteRenderbuffers(1, &depthBuffer);
    glDeleteTextures(1, &picture);
    framebuffer = resolvedFramebuffer = colourBuffer = depthBuffer = picture = 0;
    drawnSize = PixelSize{};
}

bool SceneTarget::bind(PixelSize drawn, PixelSize window)
{
    windowSize = window;
    // A target made for drawing at the window's size has no picture to scale
    // up: if the window has since grown around the same size, it is remade.
    const bool sameSize = drawn.width == drawnSize.width && drawn.height == drawnSize.height;
    if (framebuffer != 0 && sameSize && (!scaled() || picture != 0)) {
        glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
        return true;
    }
    if (failed)
        return false;

    release();
    colourBuffer = renderbuffer(GL_RGBA8, drawn);
    // With a stencil, like a window's, so that its clear is a plain fill.
    depthBuffer = renderbuffer(GL_DEPTH24_STENCIL8, drawn);
    glGenFramebuffers(1, &framebuffer);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, colourBuffer);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_STENCIL_ATTACHMENT, GL_RENDERBUFFER, depthBuffer);
    drawnSize = drawn;
    if (scaled())
        makePicture();

    const bool usable = complete(framebuffer) && (resolvedFramebuffer == 0 || complete(resolvedFramebuffer));
    if (!usable) {
        printLine("ERROR: No multisampled target of " + std::to_string(drawn.width) + " x " +
                  std::to_string(drawn.height) + " pixels; drawing straight into the window");
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
        release();
        failed = true;
        return false;
    }
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    return true;
}

// Multisampled pictures cannot be read filtered: below scale 1 the samples are
// resolved into a texture the upscale reads.
void SceneTarget::makePicture()
{
    glGenTextures(1, &picture);
    glBindTexture(GL_TEXTURE_2D, picture);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, drawnSize.width, drawnSize.height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                 nullptr);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
    glBindTexture(GL_TEXTURE_2D, 0);
    glGenFramebuffers(1, &resolvedFramebuffer);
    glBindFramebuffer(GL_FRAMEBUFFER, resolvedFramebuffer);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, picture, 0);
}

void SceneTarget::endScene()
{
    if (framebuffer == 0 || !scaled())
        return;
    glBindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, resolvedFramebuffer);
    resolve(drawnSize);
    drawPictureOverWindow();
}

void SceneTarget::endFrame()
{
    if (framebuffer == 0 || scaled())
        return;
    glBindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
    resolve(drawnSize);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
}

void SceneTarget::drawPictureOverWindow()
{
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glViewport(0, 0, windowSize.width, windowSize.height);
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
