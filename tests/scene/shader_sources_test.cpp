// The lighting GLSL is one source, lighting.glsl, which model.frag and
// skinning.frag both include. Derivatives and filtered texture reads stay out of branches that
// neighbouring pixels may take apart (undefined on real GPUs).
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <set>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "framework/gpu_layout.h"
#include "framework/shader_includes.h"
#include "support/test_files.h"

namespace {

std::string readShader(const std::string& name)
{
    return readWholeFile(sourceTreePath("assets/shaders/" + name));
}

// A stage as the driver gets it, its includes put in.
std::string expandedShader(const std::string& name)
{
    return expandShaderIncludes("assets/shaders/" + name, [](const std::string& path) {
               return std::optional<std::string>(readWholeFile(sourceTreePath(path)));
           })
        .text;
}

std::vector<std::string> nonBlankLines(const std::string& source)
{
    std::istringstream stream(source);
    std::vector<std::string> lines;
    for (std::string line; std::getline(stream, line);)
        if (line.find_first_not_of(" \t") != std::string::npos)
            lines.push_back(line);
    return lines;
}

// The model and skinning programs light alike because both fragment stages are
// lighting.glsl: the two files are one text (so that the game compiles the
// stage once for both programs), and nothing but the include is code.
TEST(ShaderSources, BothFragmentStagesAreTheLightingFileAndOneText)
{
    const std::string model = readShader("model.frag");
    EXPECT_EQ(readShader("skinning.frag"), model);
    for (const std::string& line : nonBlankLines(model))
        EXPECT_TRUE(line.rfind("#version", 0) == 0 || line.rfind("//", 0) == 0 ||
                    line == "#include \"lighting.glsl\"")
            << "model.frag holds code of its own: " << line;
    EXPECT_NE(model.find("#include \"lighting.glsl\""), std::string::npos);
}

// Every input of every vertex stage sits at the location gpu_layout.h gives
// its name, and every name there is read by some stage.
TEST(ShaderSources, VertexStagesFollowTheGpuLayout)
{
    const std::regex input(R"(layout\s*\(\s*location\s*=\s*(\d+)\s*\)\s*in\s+\w+\s+(\w+)\s*;)");
    std::set<std::string> read;
    for (const auto& entry : std::filesystem::directory_iterator(sourceTreePath("assets/shaders"))) {
        if (entry.path().extension() != ".vert")
            continue;
        const std::string name = entry.path().filename().string();
        const std::string source = expandedShader(name);
        for (auto it = std::sregex_iterator(source.begin(), source.end(), input); it != std::sregex_iterator();
             ++it) {
            const std::string attribute = (*it)[2].str();
            const auto known = std::find_if(std::begin(VertexAttributeNames), std::end(VertexAttributeNames),
                                            [&](const VertexAttributeName& entry) { return entry.glslName == attribute; });
            ASSERT_NE(known, std::end(VertexAttributeNames)) << name << " reads " << attribute;
            EXPECT_EQ(std::stoul((*it)[1].str()), known->location) << name << ": " << attribute;
            read.insert(attribute);
        }
    }
    for (const VertexAttributeName& entry : VertexAttributeNames)
        EXPECT_EQ(read.count(entry.glslName), 1u) << entry.glslName << " is read by no vertex stage";

    // The level's shared units sit above the mesh units, apart, within the 16
    // units OpenGL 4.1 promises a fragment stage.
    const std::set<int> shared{ShadowMapTextureUnit, LightGridTextureUnit, StaticLightTextureUnit,
                               StaticLightTorchesTextureUnit, StandInTextureUnit};
    EXPECT_EQ(shared.size(), 5u);
    EXPECT_GE(*shared.begin(), MeshTextureUnitCount);
    EXPECT_LT(*shared.rbegin(), 16);
}

TEST(ShaderSources, DerivativesComeBeforeAnyBranch)
{
    for (const char* name : {"model.frag", "skinning.frag"}) {
        const std::string source = expandedShader(name);
        const std::size_t main = source.find("void main()");
        ASSERT_NE(main, std::string::npos) << name;
        // Every derivative, and every read that takes its level of detail from
        // derivatives (texture()), is in main() before its first branch or return.
        const std::regex branch(R"(\bif\s*\(|\breturn\b|\?)");
        std::smatch firstBranch;
        const std::string mainBody = source.substr(main);
        ASSERT_TRUE(std::regex_search(mainBody, firstBranch, branch)) << name;
        const std::size_t branchAt = main + static_cast<std::size_t>(firstBranch.position(0));
        const std::regex derivative(R"(\b(dFdx|dFdy|fwidth|texture)\s*\()");
        for (auto it = std::sregex_iterator(source.begin(), source.end(), derivative);
             it != std::sregex_iterator(); ++it) {
            const std::size_t at = static_cast<std::size_t>(it->position(0));
            EXPECT_TRUE(at > main && at < branchAt) << name << ": " << it->str() << " at offset " << at;
        }
    }
}

}  // namespace
