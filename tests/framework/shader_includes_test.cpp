// Shared GLSL put into stage files: the #line numbering that lets a driver's
// message name the right file and line, and the failures.
#include "framework/shader_includes.h"

#include <gtest/gtest.h>

#include <map>

#include "support/fatal_child.h"

namespace {

ShaderFileReader readerOf(const std::map<std::string, std::string>& files)
{
    return [files](const std::string& path) -> std::optional<std::string> {
        const auto found = files.find(path);
        return found == files.end() ? std::nullopt : std::optional<std::string>(found->second);
    };
}

}  // namespace

TEST(ShaderIncludes, NestedFilesAreNumberedAndEachKeepsItsLineNumbers)
{
    const auto read = readerOf({
        {"shaders/stage.frag", "#version 410\n#include \"light.glsl\"\nvoid main() {}\n"},
        {"shaders/light.glsl", "  # include \"common/modes.glsl\"\nfloat light;\n"},
        {"shaders/common/modes.glsl", "#define MODE 1\n"},
    });
    const ShaderSourceText source = expandShaderIncludes("shaders/stage.frag", read);
    EXPECT_EQ(source.text, "#version 410\n"
                           "#line 1 1\n"
                           "#line 1 2\n"
                           "#define MODE 1\n"
                           "#line 2 1\n"
                           "float light;\n"
                           "#line 3 0\n"
                           "void main() {}\n");
    EXPECT_EQ(source.files,
              (std::vector<std::string>{"shaders/stage.frag", "shaders/light.glsl", "shaders/common/modes.glsl"}));
}

TEST(ShaderIncludes, MissingFileAndCircleEndTheGameNamingTheFile)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const auto missing = readerOf({{"a.frag", "#include \"gone.glsl\"\n"}});
    EXPECT_EXIT(
        {
            prepareFatalChild();
            expandShaderIncludes("a.frag", missing);
        },
        ::testing::ExitedWithCode(1), "Unable to load file\\[gone.glsl\\]!");
    const auto circle = readerOf({{"a.frag", "#include \"b.glsl\"\n"}, {"b.glsl", "#include \"a.frag\"\n"}});
    EXPECT_EXIT(
        {
            prepareFatalChild();
            expandShaderIncludes("a.frag", circle);
        },
        ::testing::ExitedWithCode(1), "Shader b.glsl includes a.frag, which includes it");
}

TEST(ShaderIncludes, LogLinesNameTheirFile)
{
    const std::vector<std::string> files{"model.frag", "lighting.glsl"};
    const struct {
        const char* log;
        const char* named;
    } cases[] = {
        {"1:12(5): error: syntax error", "lighting.glsl:12(5): error: syntax error"},
        {"ERROR: 0:3: 'x' : undeclared", "ERROR: model.frag:3: 'x' : undeclared"},
        {"1(12) : error C0000: syntax", "lighting.glsl(12) : error C0000: syntax"},
        {"7:1(1): error: no such source", "7:1(1): error: no such source"},
        {"99999999999999999999:1: huge", "99999999999999999999:1: huge"},
        {"a\n1:2(3): b\n", "a\nlighting.glsl:2(3): b\n"},
    };
    for (const auto& entry : cases)
        EXPECT_EQ(nameShaderSources(entry.log, files), entry.named) << entry.log;
}
