#include "scene/light_grid_texture.h"

#include <GL/glew.h>

#include "framework/gpu_layout.h"

LightGridTexture::LightGridTexture(const LightGrid& grid)
{
    const std::vector<float> texels = lightGridTexels(grid);
    glGenTextures(1, &name);
    bind();
    glActiveTexture(GL_TEXTURE0 + LightGridTextureUnit);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA32F, 2 * grid.cellsX, grid.cellsZ, 0, GL_RGBA, GL_FLOAT,
                 texels.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
    glActiveTexture(GL_TEXTURE0);
}

LightGridTexture::~LightGridTexture()
{
    glDeleteTextures(1, &name);
}

void LightGridTexture::bind() const
{
    glActiveTexture(GL_TEXTURE0 + LightGridTextureUnit);
    glBindTexture(GL_TEXTURE_2D, name);
    glActiveTexture(GL_TEXTURE0);
}
