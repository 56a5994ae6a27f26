// The five shader pairs compile and link on a 4.1 core context, and the model
// and skinning programs expose the uniforms the frame sets.
#include <gtest/gtest.h>
#include "support/skip_or_fail.h"

#include <cctype>
#include <memory>
#include <string>

#include <GL/glew.h>

#include "framework/shader.h"
#include "support/gl_context.h"

namespace {

class ShaderPrograms : public testing::TestWithParam<const char*> {};

TEST_P(ShaderPrograms, CompileAndLink)
{
    if (!ensureGlContext())
        SKIP_OR_FAIL(glContextFailure());
    const std::string name = GetParam();
    Shader shader("assets/shaders/" + name + ".vert", "assets/shaders/" + name + ".frag");
    GLint linked = 0;
    glGetProgramiv(shader.program, GL_LINK_STATUS, &linked);
    EXPECT_EQ(linked, GL_TRUE);
}

INSTANTIATE_TEST_SUITE_P(AllPairs, ShaderPrograms,
                         testing::Values("texture", "model", "depth", "quad", "skinning"));

struct UniformCase {
    const char* program;
    const char* uniform;
};

class FrameUniforms : public testing::TestWithParam<UniformCase> {};

TEST_P(FrameUniforms, AreActive)
{
    if (!ensureGlContext())
        SKIP_OR_FAIL(glContextFailure());
    const std::string name = GetParam().program;
    Shader shader("assets/shaders/" + name + ".vert", "assets/shaders/" + name + ".frag");
    EXPECT_GE(shader.uniformLocation(GetParam().uniform), 0) << name << " " << GetParam().uniform;
}

// Every uniform the frame and the lighting upload set must survive the GLSL
// compiler, or setUniform would silently drop it.
INSTANTIATE_TEST_SUITE_P(
    Names, FrameUniforms,
    testing::Values(UniformCase{"depth", "lightSpaceMatrix"}, UniformCase{"depth", "modelMatrix"},
                    UniformCase{"model", "viewProjMatrix"}, UniformCase{"model", "modelMatrix"},
                    UniformCase{"model", "cameraPos"}, UniformCase{"model", "lightSpaceMatrix"},
                    UniformCase{"model", "shadowMap"}, UniformCase{"model", "enableHaze"},
                    UniformCase{"model", "numLights"}, UniformCase{"model", "lightPositions[0]"},
                    UniformCase{"model", "lightPositions[59]"}, UniformCase{"model", "lavaMidpoint"},
                    UniformCase{"model", "lavaRadius"}, UniformCase{"model", "lavaLightColor"},
                    UniformCase{"model", "lightColor"}, UniformCase{"model", "hazeStart"},
                    UniformCase{"model", "hazeEnd"}, UniformCase{"model", "hazeColor"},
                    UniformCase{"model", "ambientLightColor"}, UniformCase{"model", "ambientStrength"},
                    UniformCase{"model", "texture_diffuse1"}, UniformCase{"model", "normalMap1"},
                    UniformCase{"model", "materialColor"}, UniformCase{"model", "hasDiffuseTexture"},
                    UniformCase{"model", "lightGrid"}, UniformCase{"model", "lightGridOrigin"},
                    UniformCase{"model", "lightGridCellSize"}, UniformCase{"model", "lightRange"},
                    UniformCase{"skinning", "finalBonesMatrices[0]"},
                    UniformCase{"skinning", "finalBonesMatrices[99]"},
                    UniformCase{"skinning", "normalMatrix"}, UniformCase{"skinning", "viewProjMatrix"},
                    UniformCase{"skinning", "lightPositions[59]"}, UniformCase{"skinning", "shadowMap"},
                    UniformCase{"skinning", "enableHaze"}, UniformCase{"skinning", "materialColor"}),
    [](const testing::TestParamInfo<UniformCase>& info) {
        std::string name = std::string(info.param.program) + "_" + info.param.uniform;
        for (char& c : name)
            if (!std::isalnum(static_cast<unsigned char>(c)))
                c = '_';
        return name;
    });

}  // namespace
