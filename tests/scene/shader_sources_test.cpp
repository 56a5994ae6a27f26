// The lighting GLSL is one source: skinning.frag is model.frag below its first
// comment block, and the modes the game selects carry the values the shaders
// test for. Derivatives and filtered texture reads stay out of branches that
// neighbouring pixels may take apart (undefined on real GPUs).
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>
#include <string>

#include "scene/lighting_mode.h"
#include "support/test_files.h"

namespace {

std::string readShader(const std::string& name)
{
    return readWholeFile(sourceTreePath("assets/shaders/" + name));
}

// Everything after the "#version" line and the comment lines that follow it.
std::string belowHeader(const std::string& source)
{
    std::istringstream lines(source);
    std::string line;
    std::getline(lines, line);  // #version
    std::string body;
    bool inHeader = true;
    while (std::getline(lines, line)) {
        if (inHeader && line.rfind("//", 0) == 0)
            continue;
        inHeader = false;
        body += line + "\n";
    }
    return body;
}

TEST(ShaderSources, SkinningSharesTheModelProgramsLighting)
{
    const std::string model = readShader("model.frag");
    const std::string skinning = readShader("skinning.frag");
    ASSERT_FALSE(model.empty());
    ASSERT_FALSE(skinning.empty());
    EXPECT_EQ(belowHeader(model), belowHeader(skinning))
        << "skinning.frag must be model.frag below its first comment block";
}

TEST(ShaderSources, LightingModesMatchTheShadersConstants)
{
    const std::string model = readShader("model.frag");
    const std::pair<const char*, LightingMode> modes[] = {
        {"LIGHTING_PER_PIXEL", LightingMode::PerPixel},
        {"LIGHTING_STORED", LightingMode::Stored},
        {"LIGHTING_BAKE", LightingMode::Bake},
        {"LIGHTING_NONE", LightingMode::None},
    };
    for (const auto& [name, mode] : modes) {
        const std::string declaration =
            "const int " + std::string(name) + " = " + std::to_string(static_cast<int>(mode)) + ";";
        EXPECT_NE(model.find(declaration), std::string::npos) << declaration;
    }
    // The vertex stage moves the triangles to their atlas place in the bake.
    const std::string bake =
        "const int LIGHTING_BAKE = " + std::to_string(static_cast<int>(LightingMode::Bake)) + ";";
    EXPECT_NE(readShader("model.vert").find(bake), std::string::npos) << bake;
}

TEST(ShaderSources, DerivativesComeBeforeAnyBranch)
{
    for (const char* name : {"model.frag", "skinning.frag"}) {
        const std::string source = readShader(name);
        // Implicit-LOD reads would need derivatives wherever they stand.
        EXPECT_FALSE(std::regex_search(source, std::regex(R"(\btexture\s*\()")))
            << name << " reads a texture with an implicit level of detail";
        const std::size_t main = source.find("void main()");
        ASSERT_NE(main, std::string::npos) << name;
        // Every derivative is taken in main() before its first branch or return.
        const std::regex branch(R"(\bif\s*\(|\breturn\b|\?)");
        std::smatch firstBranch;
        const std::string mainBody = source.substr(main);
        ASSERT_TRUE(std::regex_search(mainBody, firstBranch, branch)) << name;
        const std::size_t branchAt = main + static_cast<std::size_t>(firstBranch.position(0));
        const std::regex derivative(R"(\b(dFdx|dFdy|fwidth)\s*\()");
        for (auto it = std::sregex_iterator(source.begin(), source.end(), derivative);
             it != std::sregex_iterator(); ++it) {
            const std::size_t at = static_cast<std::size_t>(it->position(0));
            EXPECT_TRUE(at > main && at < branchAt) << name << ": " << it->str() << " at offset " << at;
        }
    }
}

}  // namespace
