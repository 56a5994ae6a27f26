#include "scene/model_check/json_document.h"

#include <cctype>
#include <cstdint>

#include <rapidjson/error/en.h>
#include <rapidjson/memorystream.h>
#include <rapidjson/reader.h>

namespace model_check {

namespace {

// The importer's flags (none), but iterative: its stack is on the heap.
constexpr unsigned ParseFlags = rapidjson::kParseIterativeFlag;

// Hands every parse event on to the document, and stops the parse when arrays
// and objects nest deeper than MaxJsonDepth.
class DepthCappedHandler {
public:
    explicit DepthCappedHandler(JsonDocument& document) : document_(document) {}

    bool isTooDeep() const { return isTooDeep_; }

    bool Null() { return document_.Null(); }
    bool Bool(bool value) { return document_.Bool(value); }
    bool Int(int value) { return document_.Int(value); }
    bool Uint(unsigned value) { return document_.Uint(value); }
    bool Int64(std::int64_t value) { return document_.Int64(value); }
    bool Uint64(std::uint64_t value) { return document_.Uint64(value); }
    bool Double(double value) { return document_.Double(value); }
    bool RawNumber(const char* text, rapidjson::SizeType length, bool copy)
    {
        return document_.RawNumber(text, length, copy);
    }
    bool String(const char* text, rapidjson::SizeType length, bool copy)
    {
        return document_.String(text, length, copy);
    }
    bool Key(const char* text, rapidjson::SizeType length, bool copy)
    {
        return document_.Key(text, length, copy);
    }
    bool StartObject() { return enter() && document_.StartObject(); }
    bool EndObject(rapidjson::SizeType count) { return leave() && document_.EndObject(count); }
    bool StartArray() { return enter() && document_.StartArray(); }
    bool EndArray(rapidjson::SizeType count) { return leave() && document_.EndArray(count); }

private:
    bool enter()
    {
        isTooDeep_ = ++depth_ > MaxJsonDepth;
        return !isTooDeep_;
    }
    bool leave()
    {
        --depth_;
        return true;
    }

    JsonDocument& document_;
    int depth_ = 0;
    bool isTooDeep_ = false;
};

// RapidJSON's "Invalid value." as "invalid value", to go on with a place.
std::string asPhrase(const char* message)
{
    std::string phrase = message;
    if (!phrase.empty() && phrase.back() == '.')
        phrase.pop_back();
    if (!phrase.empty())
        phrase[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(phrase[0])));
    return phrase;
}

}  // namespace

std::optional<std::string> parseJson(std::string_view text, JsonDocument& document)
{
    document.SetNull();
    // No JSON text holds a zero byte, but the parser takes one for the end of
    // the text, as the importer does: what came after it would go unread.
    if (const std::size_t zero = text.find('\0'); zero != std::string_view::npos)
        return "a zero byte at byte " + std::to_string(zero);
    rapidjson::MemoryStream stream(text.data(), text.size());
    rapidjson::ParseResult result;
    bool isTooDeep = false;
    auto parse = [&](JsonDocument& target) {
        DepthCappedHandler handler(target);
        result = rapidjson::Reader().Parse<ParseFlags>(stream, handler);
        isTooDeep = handler.isTooDeep();
        return !result.IsError();
    };
    document.Populate(parse);
    // The offset is that of the bracket opening one level too many.
    if (isTooDeep)
        return "nested more than " + std::to_string(MaxJsonDepth) + " levels deep at byte " +
               std::to_string(result.Offset());
    if (result.IsError())
        return asPhrase(rapidjson::GetParseError_En(result.Code())) + " at byte " +
               std::to_string(result.Offset());
    return std::nullopt;
}

const JsonValue* member(const JsonValue& owner, std::string_view key)
{
    if (!owner.IsObject())
        return nullptr;
    const JsonValue name(rapidjson::StringRef(key.data(), static_cast<rapidjson::SizeType>(key.size())));
    const auto found = owner.FindMember(name);
    return found == owner.MemberEnd() ? nullptr : &found->value;
}

JsonItems items(const JsonValue& value)
{
    return value.IsArray() ? JsonItems(value) : JsonItems();
}

JsonMembers members(const JsonValue& value)
{
    return value.IsObject() ? JsonMembers(value) : JsonMembers();
}

std::string text(const JsonValue& value)
{
    return value.IsString() ? std::string(value.GetString(), value.GetStringLength()) : std::string();
}

double number(const JsonValue& value)
{
    return value.IsNumber() ? value.GetDouble() : 0.0;
}

bool isWrittenWhole(const JsonValue& value)
{
    return value.IsNumber() && !value.IsDouble();
}

}  // namespace model_check
