// A small, strict JSON reader for looking at glTF files before the importer
// does. Plain values only, no importer and no OpenGL.
//
// It accepts exactly RFC 8259 JSON (no comments, no trailing commas, no NaN),
// nested at most `MaxJsonDepth` deep, so a hostile file can neither run the
// reader out of stack nor pass here and be read differently later. When an
// object names a key twice, `member` finds the first, as the importer does.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The format sets no limit. This reader makes a call per level (about 2.3 KB
// of stack a level in sanitizer builds) and the importer's own reader runs
// out of stack somewhere below a million levels; a thousand is far beyond
// any model and well inside both.
constexpr int MaxJsonDepth = 1000;

struct JsonValue {
    enum class Kind { Null, Boolean, Number, String, Array, Object };

    Kind kind = Kind::Null;
    bool boolean = false;
    double number = 0.0;
    bool integral = false;  // a number written without fraction or exponent
    std::string text;       // a string's content, escapes resolved
    std::vector<JsonValue> items;
    std::vector<std::pair<std::string, JsonValue>> members;

    bool isObject() const { return kind == Kind::Object; }
    bool isArray() const { return kind == Kind::Array; }
    bool isString() const { return kind == Kind::String; }
    bool isNumber() const { return kind == Kind::Number; }

    // The first member called `key`, or null when this is not an object or has none.
    const JsonValue* member(std::string_view key) const;
};

struct JsonParseResult {
    std::optional<JsonValue> value;
    std::string error;  // where and why parsing stopped, when `value` is empty
};

JsonParseResult parseJson(std::string_view text);
