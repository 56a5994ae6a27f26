// The JSON reader that glTF files pass through before the importer: what it
// reads, and what it refuses because the importer's own reader would not
// take it the same way.
#include <gtest/gtest.h>

#include "scene/json_value.h"

namespace {

TEST(JsonValue, ReadsNestedValuesAndFindsTheFirstOfTwoEqualKeys)
{
    const JsonParseResult result =
        parseJson(" {\"a\": [1, -2.5e1, true, false, null], \"b\": {\"c\": \"d\"}, \"a\": 7}\r\n");
    ASSERT_TRUE(result.value) << result.error;
    const JsonValue& root = *result.value;
    ASSERT_TRUE(root.isObject());
    const JsonValue* a = root.member("a");
    ASSERT_TRUE(a && a->isArray());
    ASSERT_EQ(a->items.size(), 5u);
    EXPECT_EQ(a->items[0].number, 1.0);
    EXPECT_TRUE(a->items[0].integral);
    EXPECT_EQ(a->items[1].number, -25.0);
    EXPECT_FALSE(a->items[1].integral);
    EXPECT_TRUE(a->items[2].boolean);
    EXPECT_EQ(a->items[3].kind, JsonValue::Kind::Boolean);
    EXPECT_FALSE(a->items[3].boolean);
    EXPECT_EQ(a->items[4].kind, JsonValue::Kind::Null);
    EXPECT_EQ(root.member("b")->member("c")->text, "d");
    EXPECT_EQ(root.member("missing"), nullptr);
    EXPECT_EQ(a->member("a"), nullptr);
}

TEST(JsonValue, ResolvesEscapesIntoUtf8)
{
    const JsonParseResult result = parseJson(R"(["a\"b\\c\/\n\t", "\u00e9\u20ac", "\ud83d\ude00"])");
    ASSERT_TRUE(result.value) << result.error;
    EXPECT_EQ(result.value->items[0].text, "a\"b\\c/\n\t");
    EXPECT_EQ(result.value->items[1].text, "\xC3\xA9\xE2\x82\xAC");
    EXPECT_EQ(result.value->items[2].text, "\xF0\x9F\x98\x80");
}

TEST(JsonValue, NumbersOutOfRangeStayComparable)
{
    const JsonParseResult result = parseJson("[1e999, -1e999, 1e-999]");
    ASSERT_TRUE(result.value) << result.error;
    EXPECT_GT(result.value->items[0].number, 1e308);
    EXPECT_LT(result.value->items[1].number, -1e308);
    EXPECT_EQ(result.value->items[2].number, 0.0);
}

struct RefusedCase {
    const char* name;
    const char* text;
    const char* error;
};

void PrintTo(const RefusedCase& value, std::ostream* out) { *out << value.name; }

class JsonRefused : public testing::TestWithParam<RefusedCase> {};

TEST_P(JsonRefused, SaysWhereAndWhy)
{
    const JsonParseResult result = parseJson(GetParam().text);
    EXPECT_FALSE(result.value);
    EXPECT_EQ(result.error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Json, JsonRefused,
    testing::Values(RefusedCase{"Empty", "", "unexpected character at byte 0"},
                    RefusedCase{"TrailingComma", "[1,]", "unexpected character at byte 3"},
                    RefusedCase{"Comment", "[1] // x", "text after the end of the document at byte 4"},
                    RefusedCase{"NotANumber", "[NaN]", "unexpected character at byte 1"},
                    RefusedCase{"LeadingZero", "[01]", "expected ',' or ']' at byte 2"},
                    RefusedCase{"BareFraction", "[1.]", "digits expected after '.' at byte 3"},
                    RefusedCase{"UnterminatedString", "[\"abc", "unterminated string at byte 5"},
                    RefusedCase{"ControlCharacterInString", "[\"a\tb\"]", "control character in a string at byte 3"},
                    RefusedCase{"BadEscape", R"(["\x"])", "bad escape at byte 4"},
                    RefusedCase{"ShortUnicodeEscape", R"(["\u12"])", "bad \\u escape at byte 6"},
                    RefusedCase{"KeyWithoutQuotes", "{a:1}", "expected a key at byte 1"},
                    RefusedCase{"MissingColon", "{\"a\" 1}", "expected ':' at byte 5"},
                    RefusedCase{"MisspeltWord", "[tru]", "unknown word at byte 1"}),
    [](const testing::TestParamInfo<RefusedCase>& info) { return info.param.name; });

TEST(JsonValue, ATextWithAZeroByteAfterTheDocumentIsRefused)
{
    const JsonParseResult result = parseJson(std::string_view("[1]\0", 4));
    EXPECT_FALSE(result.value);
    EXPECT_EQ(result.error, "text after the end of the document at byte 3");
}

TEST(JsonValue, NestingStopsAtTheDepthLimit)
{
    const auto nested = [](int depth) {
        return std::string(static_cast<std::size_t>(depth), '[') + std::string(static_cast<std::size_t>(depth), ']');
    };
    EXPECT_TRUE(parseJson(nested(MaxJsonDepth)).value);
    const JsonParseResult tooDeep = parseJson(nested(MaxJsonDepth + 1));
    EXPECT_FALSE(tooDeep.value);
    EXPECT_EQ(tooDeep.error, "nested too deep at byte " + std::to_string(MaxJsonDepth));
    // Far deeper than any stack would take if each level were a call.
    EXPECT_FALSE(parseJson(std::string(1000000, '[')).value);
}

}  // namespace
