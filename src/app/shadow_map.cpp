#include "app/shadow_map.h"

#include <GL/glew.h>
#include <glm/gtc/matrix_transform.hpp>

#include "framework/framebuffer_status.h"

glm::mat4 shadowLightProjection()
{
    return glm::ortho(-10.0f, 10.0f, -10.0f, 10.0f, 0.1f, 75.0f);
}

glm::mat4 shadowLightSpaceMatrix()
{
    return shadowLightProjection() * glm::lookAt(ShadowLightPosition, ShadowLightTarget, ShadowLightUp);
}

namespace {

// A depth texture `size` texels per side, from `texels` (none: undefined until drawn).
std::uint32_t createDepthTexture(int size, const float* texels)
{
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_DEPTH_COMPONENT, size, size, 0, GL_DEPTH_COMPONENT, GL_FLOAT, texels);
    // Nearest filtering: the shader does its own small filter over neighbouring texels.
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    return texture;
}

// A framebuffer of `depthTexture` alone, bound; the caller checks it.
std::uint32_t depthOnlyFramebuffer(std::uint32_t depthTexture)
{
    GLuint framebuffer = 0;
    glGenFramebuffers(1, &framebuffer);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_TEXTURE_2D, depthTexture, 0);
    glDrawBuffer(GL_NONE);
    glReadBuffer(GL_NONE);
    return framebuffer;
}

}  // namespace

ShadowMap createShadowMap(int size)
{
    ShadowMap shadowMap;
    shadowMap.size = size;
    shadowMap.depthTexture = createDepthTexture(size, nullptr);
    shadowMap.framebuffer = depthOnlyFramebuffer(shadowMap.depthTexture);
    const bool isComplete = checkFramebufferComplete("Shadow map", "drawing without shadows");
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    if (!isComplete) {
        glDeleteFramebuffers(1, &shadowMap.framebuffer);
        glDeleteTextures(1, &shadowMap.depthTexture);
        const float farPlane = 1.0f;
        return ShadowMap{0, createDepthTexture(1, &farPlane), 1};
    }

    // Made like the map, so the driver takes it as the map's own: a refusal
    // here only means drawing the fixed casters every pass, not worth a line.
    shadowMap.fixedCastersTexture = createDepthTexture(size, nullptr);
    shadowMap.fixedCastersFramebuffer = depthOnlyFramebuffer(shadowMap.fixedCastersTexture);
    if (glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
        glDeleteFramebuffers(1, &shadowMap.fixedCastersFramebuffer);
        glDeleteTextures(1, &shadowMap.fixedCastersTexture);
        shadowMap.fixedCastersFramebuffer = shadowMap.fixedCastersTexture = 0;
    }
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    return shadowMap;
}

void startShadowPass(ShadowMap& shadowMap, const std::function<void()>& drawFixed)
{
    if (shadowMap.fixedCastersFramebuffer == 0) {
        glBindFramebuffer(GL_FRAMEBUFFER, shadowMap.framebuffer);
        glClear(GL_DEPTH_BUFFER_BIT);
        drawFixed();
        return;
    }
    if (!shadowMap.fixedCastersDrawn) {
        glBindFramebuffer(GL_FRAMEBUFFER, shadowMap.fixedCastersFramebuffer);
        glClear(GL_DEPTH_BUFFER_BIT);
        drawFixed();
        shadowMap.fixedCastersDrawn = true;
    }
    glBindFramebuffer(GL_READ_FRAMEBUFFER, shadowMap.fixedCastersFramebuffer);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, shadowMap.framebuffer);
    glBlitFramebuffer(0, 0, shadowMap.size, shadowMap.size, 0, 0, shadowMap.size, shadowMap.size,
                      GL_DEPTH_BUFFER_BIT, GL_NEAREST);
    glBindFramebuffer(GL_FRAMEBUFFER, shadowMap.framebuffer);
}
