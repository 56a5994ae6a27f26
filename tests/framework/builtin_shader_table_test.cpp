// The built-in program table: its names and the decoding of its stored texts.
#include "framework/builtin_shader_table.h"

#include <set>

#include <gtest/gtest.h>

TEST(BuiltinShaderTable, HoldsTheTwelveNamedPrograms)
{
    const std::set<std::string> expected = {
        "color",           "cookTorrance", "cornell",           "cornellGouraud",
        "environmentMap",  "phongGouraud", "phongGouraudBonus", "phongPhong",
        "phongPhongBonus", "specularMap",  "texture",           "textureBonus"};
    std::set<std::string> names;
    for (const auto& entry : BuiltinShaderTable)
        names.insert(entry.first);
    EXPECT_EQ(names, expected);
}

TEST(BuiltinShaderTable, TextsAreStoredEncoded)
{
    for (const auto& [name, sources] : BuiltinShaderTable) {
        EXPECT_EQ(sources.vertex.find("#version"), std::string::npos) << name;
        EXPECT_EQ(decodeBuiltinShaderText(sources.vertex).rfind("#version 410\n", 0), 0u) << name;
        EXPECT_EQ(decodeBuiltinShaderText(sources.fragment).rfind("#version 410\n", 0), 0u) << name;
    }
}

namespace {

struct DecodeCase {
    const char* name;
    const char* encoded;
    const char* decoded;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const DecodeCase& c, std::ostream* os)
{
    *os << c.name;
}

class Base64Decoding : public ::testing::TestWithParam<DecodeCase> {};

}  // namespace

TEST_P(Base64Decoding, Decodes)
{
    EXPECT_EQ(decodeBuiltinShaderText(GetParam().encoded), GetParam().decoded);
}

namespace {

const DecodeCase DecodeCases[] = {
    {"NoPadding", "TWFu", "Man"},     {"OnePad", "TWE=", "Ma"},
    {"TwoPads", "TQ==", "M"},         {"Empty", "", ""},
    {"HighBits", "/+8=", "\xff\xef"}, {"StopsAtForeignCharacter", "TWFu*TWFu", "Man"},
};

}  // namespace

INSTANTIATE_TEST_SUITE_P(Texts, Base64Decoding, ::testing::ValuesIn(DecodeCases),
                         [](const auto& info) { return std::string(info.param.name); });
