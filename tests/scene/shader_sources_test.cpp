// The lighting GLSL is one source, lighting.glsl, which model.frag and
// skinning.frag both include. Derivatives and filtered texture reads stay out of branches that
// neighbouring pixels may take apart (undefined on real GPUs).
#include <gtest/gtest.h>

#include <optional>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

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

// The model and skinning programs light alike because they compile the same
// file, not two copies kept equal: no run of six lines appears in both.
TEST(ShaderSources, FragmentStagesShareTheLightingFileNotCopiesOfIt)
{
    constexpr std::size_t Run = 6;
    const std::vector<std::string> model = nonBlankLines(readShader("model.frag"));
    const std::string skinning = readShader("skinning.frag");
    for (const char* name : {"model.frag", "skinning.frag"})
        EXPECT_NE(readShader(name).find("#include \"lighting.glsl\""), std::string::npos) << name;
    for (std::size_t first = 0; first + Run <= model.size(); ++first) {
        std::string block;
        for (std::size_t line = first; line < first + Run; ++line)
            block += model[line] + "\n";
        EXPECT_EQ(skinning.find(block), std::string::npos) << "repeated in skinning.frag:\n" << block;
    }
}

TEST(ShaderSources, DerivativesComeBeforeAnyBranch)
{
    for (const char* name : {"model.frag", "skinning.frag"}) {
        const std::string source = expandedShader(name);
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
