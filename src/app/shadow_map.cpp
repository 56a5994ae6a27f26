#include "app/shadow_map.h"

#include <GL/glew.h>
#include <glm/gtc/matrix_transform.hpp>

glm::mat4 shadowLightProjection()
{
    return glm::ortho(-10.0f, 10.0f, -10.0f, 10.0f, 0.1f, 75.0f);
}

glm::mat4 shadowLightSpaceMatrix()
{
    return shadowLightProjection() * glm::lookAt(ShadowLightPosition, ShadowLightTarget, ShadowLightUp);
}

ShadowMap createShadowMap()
{
    ShadowMap shadowMap;
    glGenFramebuffers(1, &shadowMap.framebuffer);

    glGenTextures(1, &shadowMap.depthTexture);
    glBindTexture(GL_TEXTURE_2D, shadowMap.depthTexture);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_DEPTH_COMPONENT, ShadowMapSize, ShadowMapSize, 0, GL_DEPTH_COMPONENT,
                 GL_FLOAT, nullptr);
    // Nearest filtering: the shader does its own small filter over neighbouring texels.
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);

    glBindFramebuffer(GL_FRAMEBUFFER, shadowMap.framebuffer);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_TEXTURE_2D, shadowMap.depthTexture, 0);
    glDrawBuffer(GL_NONE);
    glReadBuffer(GL_NONE);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    return shadowMap;
}
