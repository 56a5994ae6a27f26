#include "scene/stand_in_texture.h"

#include <cstdint>
#include <vector>

#include <GL/glew.h>

#include "framework/gpu_layout.h"

#include "scene/texture_upload.h"

StandInTexture::StandInTexture()
{
    const std::vector<std::uint8_t> grey{128, 128, 128, 255, 128, 128, 128, 255,
                                         128, 128, 128, 255, 128, 128, 128, 255};
    glGenTextures(1, &name);
    glActiveTexture(GL_TEXTURE0 + StandInTextureUnit);
    glBindTexture(GL_TEXTURE_2D, name);
    uploadModelTexture(grey, 2, 2, GL_RGBA8);
    glActiveTexture(GL_TEXTURE0);
}

StandInTexture::~StandInTexture()
{
    glDeleteTextures(1, &name);
}

void StandInTexture::bind() const
{
    glActiveTexture(GL_TEXTURE0 + StandInTextureUnit);
    glBindTexture(GL_TEXTURE_2D, name);
    glActiveTexture(GL_TEXTURE0);
}
