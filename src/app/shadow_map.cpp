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

}  // namespace

ShadowMap createShadowMap(int size)
{
    ShadowMap shadowMap;
    shadowMap.size = size;
    glGenFramebuffers(1, &shadowMap.framebuffer);
    shadowMap.depthTexture = createDepthTexture(size, nullptr);

    glBindFramebuffer(GL_FRAMEBUFFER, shadowMap.framebuffer);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_TEXTURE_2D, shadowMap.depthTexture, 0);
    glDrawBuffer(GL_NONE);
    glReadBuffer(GL_NONE);
    const bool isComplete = checkFramebufferComplete("Shadow map", "drawing without shadows");
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    if (isComplete)
        return shadowMap;

    glDeleteFramebuffers(1, &shadowMap.framebuffer);
    glDeleteTextures(1, &shadowMap.depthTexture);
    const float farPlane = 1.0f;
    return ShadowMap{0, createDepthTexture(1, &farPlane), 1};
}
