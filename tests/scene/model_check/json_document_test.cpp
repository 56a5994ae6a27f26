// The JSON reading that glTF files pass through before the importer: what it
// reads as the importer does, and what it refuses because the importer would
// not take it the same way or could not take it at all.
#include <gtest/gtest.h>

#include "scene/model_check/json_document.h"

namespace {

using model_check::isWrittenWhole;
using model_check::items;
using model_check::JsonDocument;
using model_check::JsonValue;
using model_check::MaxJsonDepth;
using model_check::member;
using model_check::members;
using model_check::number;
using model_check::parseJson;
using model_check::text;

TEST(JsonDocument, ReadsNestedValuesAndFindsTheFirstOfTwoEqualKeys)
{
    JsonDocument root;
    const auto error =
        parseJson(" {\"a\": [1, -2.5e1, true, false, null, 1.0], \"b\": {\"c\": \"d\"}, \"a\": 7}\r\n", root);
    ASSERT_FALSE(error) << *error;
    ASSERT_TRUE(root.IsObject());
    const JsonValue* a = member(root, "a");
    ASSERT_TRUE(a && a->IsArray());
    const auto list = items(*a);
    ASSERT_EQ(list.size(), 6u);
    EXPECT_EQ(number(list[0]), 1.0);
    EXPECT_TRUE(isWrittenWhole(list[0]));
    EXPECT_EQ(number(list[1]), -25.0);
    EXPECT_FALSE(isWrittenWhole(list[1]));
    EXPECT_TRUE(list[2].IsTrue());
    EXPECT_TRUE(list[3].IsFalse());
    EXPECT_TRUE(list[4].IsNull());
    EXPECT_FALSE(isWrittenWhole(list[5])) << "1.0 is a whole number written with a fraction";
    EXPECT_EQ(text(*member(*member(root, "b"), "c")), "d");
    EXPECT_EQ(member(root, "missing"), nullptr);
    // Both "a" members are kept, in the file's order.
    int count = 0;
    for (const auto& entry : members(root))
        count += text(entry.name) == "a";
    EXPECT_EQ(count, 2);
    // Values of another kind read as empty, absent or zero.
    EXPECT_EQ(member(*a, "a"), nullptr);
    EXPECT_TRUE(items(root).empty());
    EXPECT_TRUE(members(*a).empty());
    EXPECT_EQ(text(list[0]), "");
    EXPECT_EQ(number(list[2]), 0.0);
}

TEST(JsonDocument, ResolvesEscapesIntoUtf8)
{
    JsonDocument root;
    const auto error = parseJson(R"(["a\"b\\c\/\n\t", "\u00e9\u20ac", "\ud83d\ude00", "a\u0000b"])", root);
    ASSERT_FALSE(error) << *error;
    EXPECT_EQ(text(root[0]), "a\"b\\c/\n\t");
    EXPECT_EQ(text(root[1]), "\xC3\xA9\xE2\x82\xAC");
    EXPECT_EQ(text(root[2]), "\xF0\x9F\x98\x80");
    EXPECT_EQ(text(root[3]), std::string("a\0b", 3));
}

TEST(JsonDocument, NumbersBeyondADoubleAreRefusedAsTheImporterRefusesThem)
{
    JsonDocument root;
    const auto tooLarge = parseJson("[1e999]", root);
    ASSERT_TRUE(tooLarge);
    EXPECT_EQ(*tooLarge, "number too big to be stored in double at byte 1");
    EXPECT_TRUE(root.IsNull());
    // Too small to tell from zero is zero.
    ASSERT_FALSE(parseJson("[1e-999, -1e-999]", root));
    EXPECT_EQ(number(root[0]), 0.0);
    EXPECT_EQ(number(root[1]), 0.0);
}

struct RefusedCase {
    const char* name;
    std::string_view text;
    const char* error;
};

void PrintTo(const RefusedCase& value, std::ostream* out)
{
    *out << value.name;
}

class JsonRefused : public testing::TestWithParam<RefusedCase> {};

TEST_P(JsonRefused, SaysWhereAndWhy)
{
    JsonDocument root;
    const auto error = parseJson(GetParam().text, root);
    ASSERT_TRUE(error);
    EXPECT_EQ(*error, GetParam().error);
    EXPECT_TRUE(root.IsNull());
}

INSTANTIATE_TEST_SUITE_P(
    Json, JsonRefused,
    testing::Values(
        RefusedCase{"Empty", "", "the document is empty at byte 0"},
        RefusedCase{"TrailingComma", "[1,]", "invalid value at byte 3"},
        RefusedCase{"Comment", "[1] // x",
                    "the document root must not be followed by other values at byte 4"},
        RefusedCase{"ZeroByteAfterTheDocument", std::string_view("[1]\0", 4), "a zero byte at byte 3"},
        RefusedCase{"NotANumber", "[NaN]", "invalid value at byte 1"},
        RefusedCase{"LeadingZero", "[01]", "missing a comma or ']' after an array element at byte 2"},
        RefusedCase{"BareFraction", "[1.]", "miss fraction part in number at byte 3"},
        RefusedCase{"UnterminatedString", "[\"abc", "missing a closing quotation mark in string at byte 5"},
        RefusedCase{"ControlCharacterInString", "[\"a\tb\"]", "invalid escape character in string at byte 3"},
        RefusedCase{"BadEscape", R"(["\x"])", "invalid escape character in string at byte 2"},
        RefusedCase{"ShortUnicodeEscape", R"(["\u12"])",
                    "incorrect hex digit after \\u escape in string at byte 2"},
        RefusedCase{"LoneHighSurrogate", R"(["\ud83d"])",
                    "the surrogate pair in string is invalid at byte 2"},
        RefusedCase{"KeyWithoutQuotes", "{a:1}", "missing a name for object member at byte 1"},
        RefusedCase{"MissingColon", "{\"a\" 1}", "missing a colon after a name of object member at byte 5"},
        RefusedCase{"MisspeltWord", "[tru]", "invalid value at byte 4"}),
    [](const testing::TestParamInfo<RefusedCase>& info) { return info.param.name; });

TEST(JsonDocument, NestingStopsAtTheDepthLimit)
{
    const auto nested = [](int depth) {
        return std::string(static_cast<std::size_t>(depth), '[') +
               std::string(static_cast<std::size_t>(depth), ']');
    };
    JsonDocument root;
    EXPECT_FALSE(parseJson(nested(MaxJsonDepth), root));
    EXPECT_TRUE(root.IsArray());
    const auto tooDeep = parseJson(nested(MaxJsonDepth + 1), root);
    ASSERT_TRUE(tooDeep);
    EXPECT_EQ(*tooDeep, "nested more than " + std::to_string(MaxJsonDepth) + " levels deep at byte " +
                            std::to_string(MaxJsonDepth));
    // Far deeper than any stack would take if each level were a call.
    EXPECT_TRUE(parseJson(std::string(1000000, '['), root));
}

}  // namespace
