// Which sampler uniform each texture of a mesh is announced under.
#include <gtest/gtest.h>

#include "scene/sampler_names.h"

namespace {

struct SamplerCase {
    const char* name;
    std::vector<std::string> types;
    std::vector<std::string> uniforms;
};

class SamplerNames : public testing::TestWithParam<SamplerCase> {};

TEST_P(SamplerNames, CountEachTypeFromOne)
{
    std::vector<MeshTexture> textures;
    for (const std::string& type : GetParam().types)
        textures.push_back({0, type, "x.png"});
    EXPECT_EQ(samplerUniformNames(textures), GetParam().uniforms);
}

INSTANTIATE_TEST_SUITE_P(
    Meshes, SamplerNames,
    testing::Values(
        SamplerCase{"none", {}, {}},
        SamplerCase{"diffuseAndNormal", {"texture_diffuse", "normalMap"}, {"texture_diffuse1", "normalMap1"}},
        SamplerCase{"twoDiffuse",
                    {"texture_diffuse", "texture_diffuse", "normalMap"},
                    {"texture_diffuse1", "texture_diffuse2", "normalMap1"}},
        SamplerCase{"unknownTypeHasNoNumber",
                    {"texture_specular", "texture_diffuse"},
                    {"texture_specular", "texture_diffuse1"}},
        SamplerCase{"tenTextures",
                    {"texture_diffuse", "texture_diffuse", "texture_diffuse", "texture_diffuse",
                     "texture_diffuse", "texture_diffuse", "texture_diffuse", "texture_diffuse",
                     "texture_diffuse", "normalMap"},
                    {"texture_diffuse1", "texture_diffuse2", "texture_diffuse3", "texture_diffuse4",
                     "texture_diffuse5", "texture_diffuse6", "texture_diffuse7", "texture_diffuse8",
                     "texture_diffuse9", "normalMap1"}}),
    [](const testing::TestParamInfo<SamplerCase>& info) { return info.param.name; });

TEST(SamplerNames, TypePresenceIsExact)
{
    const std::vector<MeshTexture> textures{{0, "normalMap", "n.png"}};
    EXPECT_TRUE(hasTextureOfType(textures, "normalMap"));
    EXPECT_FALSE(hasTextureOfType(textures, "texture_diffuse"));
    EXPECT_FALSE(hasTextureOfType({}, "normalMap"));
}

}  // namespace
