// The JSON text of a glTF file, read as the importer reads it.
//
// The importer's glTF reader is built on RapidJSON, so the checks read the
// file through RapidJSON too and see the document the importer will: the same
// escapes, the same numbers, the same errors, and for a key an object names
// twice the first one (FindMember), as the importer takes it. Two things
// differ, both on purpose:
// - The importer parses recursively, a call per level, and a hostile file
//   nested deep enough runs it out of stack. Here the parse is iterative (its
//   stack is on the heap) and refuses nesting past MaxJsonDepth, which also
//   bounds the checks that walk the document recursively.
// - The importer takes a zero byte for the end of the text; here a zero byte
//   is refused, so nothing hides behind it.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include <rapidjson/document.h>

namespace model_check {

// The format sets no limit. The importer's own reader runs out of stack
// somewhere below a million levels; a thousand is far beyond any model and
// well inside it, and inside the stack the recursive checks use per level.
constexpr int MaxJsonDepth = 1000;

using JsonValue = rapidjson::Value;
using JsonDocument = rapidjson::Document;

// Parses `text` into `document`; nullopt on success, else where and why
// parsing stopped ("... at byte N"), and `document` is left null.
std::optional<std::string> parseJson(std::string_view text, JsonDocument& document);

// The first member called `key`; null when `owner` is not an object or has none.
const JsonValue* member(const JsonValue& owner, std::string_view key);

// The items of an array; none for any other kind of value.
class JsonItems {
public:
    JsonItems() = default;
    explicit JsonItems(const JsonValue& array) : begin_(array.Begin()), end_(array.End()) {}

    const JsonValue* begin() const { return begin_; }
    const JsonValue* end() const { return end_; }
    std::size_t size() const { return static_cast<std::size_t>(end_ - begin_); }
    bool empty() const { return begin_ == end_; }
    const JsonValue& operator[](std::size_t index) const { return begin_[index]; }

private:
    const JsonValue* begin_ = nullptr;
    const JsonValue* end_ = nullptr;
};

// The members of an object in the file's order, repeats kept; none for any
// other kind of value. Each has a `name` (a string value) and a `value`.
class JsonMembers {
public:
    using Iterator = JsonValue::ConstMemberIterator;

    JsonMembers() = default;
    explicit JsonMembers(const JsonValue& object) : begin_(object.MemberBegin()), end_(object.MemberEnd()) {}

    Iterator begin() const { return begin_; }
    Iterator end() const { return end_; }
    bool empty() const { return begin_ == end_; }

private:
    Iterator begin_{};
    Iterator end_{};
};

// Readers that answer for a value of any kind, so the rules can look at a
// damaged document without asking each value's kind first.
JsonItems items(const JsonValue& value);
JsonMembers members(const JsonValue& value);
std::string text(const JsonValue& value);  // a string's content (escapes resolved); else empty
double number(const JsonValue& value);     // a number's value; else 0
// A number written without fraction or exponent. (An integer too large for
// 64 bits is read as a double and counts as not whole; every rule refuses
// such a value as out of range either way.)
bool isWrittenWhole(const JsonValue& value);

}  // namespace model_check
