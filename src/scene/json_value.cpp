#include "scene/json_value.h"

#include <cstdint>
#include <cstdlib>

namespace {

class JsonParser {
public:
    explicit JsonParser(std::string_view text) : text_(text) {}

    JsonParseResult parseDocument()
    {
        JsonParseResult result;
        JsonValue value;
        skipSpace();
        if (parseValue(value, 0)) {
            skipSpace();
            if (position_ == text_.size()) {
                result.value = std::move(value);
                return result;
            }
            fail("text after the end of the document");
        }
        result.error = error_ + " at byte " + std::to_string(position_);
        return result;
    }

private:
    bool fail(const char* why)
    {
        if (error_.empty())
            error_ = why;
        return false;
    }

    bool atEnd() const { return position_ >= text_.size(); }
    char peek() const { return atEnd() ? '\0' : text_[position_]; }

    void skipSpace()
    {
        while (!atEnd() && (peek() == ' ' || peek() == '\t' || peek() == '\n' || peek() == '\r'))
            ++position_;
    }

    bool consumeWord(std::string_view word)
    {
        if (text_.substr(position_, word.size()) != word)
            return fail("unknown word");
        position_ += word.size();
        return true;
    }

    bool parseValue(JsonValue& out, int depth)
    {
        if (depth >= MaxJsonDepth)
            return fail("nested too deep");
        switch (peek()) {
        case '{': return parseObject(out, depth);
        case '[': return parseArray(out, depth);
        case '"': out.kind = JsonValue::Kind::String; return parseString(out.text);
        case 't': out.kind = JsonValue::Kind::Boolean; out.boolean = true; return consumeWord("true");
        case 'f': out.kind = JsonValue::Kind::Boolean; return consumeWord("false");
        case 'n': out.kind = JsonValue::Kind::Null; return consumeWord("null");
        default: return parseNumber(out);
        }
    }

    bool parseObject(JsonValue& out, int depth)
    {
        out.kind = JsonValue::Kind::Object;
        ++position_;  // '{'
        skipSpace();
        if (peek() == '}') {
            ++position_;
            return true;
        }
        for (;;) {
            std::string key;
            if (peek() != '"')
                return fail("expected a key");
            if (!parseString(key))
                return false;
            skipSpace();
            if (peek() != ':')
                return fail("expected ':'");
            ++position_;
            skipSpace();
            JsonValue value;
            if (!parseValue(value, depth + 1))
                return false;
            out.members.emplace_back(std::move(key), std::move(value));
            skipSpace();
            if (peek() == '}') {
                ++position_;
                return true;
            }
            if (peek() != ',')
                return fail("expected ',' or '}'");
            ++position_;
            skipSpace();
        }
    }

    bool parseArray(JsonValue& out, int depth)
    {
        out.kind = JsonValue::Kind::Array;
        ++position_;  // '['
        skipSpace();
        if (peek() == ']') {
            ++position_;
            return true;
        }
        for (;;) {
            JsonValue item;
            if (!parseValue(item, depth + 1))
                return false;
            out.items.push_back(std::move(item));
            skipSpace();
            if (peek() == ']') {
                ++position_;
                return true;
            }
            if (peek() != ',')
                return fail("expected ',' or ']'");
            ++position_;
            skipSpace();
        }
    }

    static int hexDigit(char c)
    {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        return -1;
    }

    bool parseHex4(std::uint32_t& out)
    {
        out = 0;
        for (int i = 0; i < 4; ++i) {
            const int digit = hexDigit(peek());
            if (digit < 0)
                return fail("bad \\u escape");
            out = out * 16 + static_cast<std::uint32_t>(digit);
            ++position_;
        }
        return true;
    }

    static void appendUtf8(std::string& out, std::uint32_t code)
    {
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (code >> 18));
            out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }

    bool parseEscape(std::string& out)
    {
        const char c = peek();
        ++position_;
        switch (c) {
        case '"': out += '"'; return true;
        case '\\': out += '\\'; return true;
        case '/': out += '/'; return true;
        case 'b': out += '\b'; return true;
        case 'f': out += '\f'; return true;
        case 'n': out += '\n'; return true;
        case 'r': out += '\r'; return true;
        case 't': out += '\t'; return true;
        case 'u': break;
        default: return fail("bad escape");
        }
        std::uint32_t code = 0;
        if (!parseHex4(code))
            return false;
        // A high surrogate followed by its low half is one code point; a lone
        // half is kept as it stands (it only ever ends up in a name).
        if (code >= 0xD800 && code < 0xDC00 && text_.substr(position_, 2) == "\\u") {
            const std::size_t back = position_;
            position_ += 2;
            std::uint32_t low = 0;
            if (!parseHex4(low))
                return false;
            if (low >= 0xDC00 && low < 0xE000)
                code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
            else
                position_ = back;
        }
        appendUtf8(out, code);
        return true;
    }

    bool parseString(std::string& out)
    {
        ++position_;  // opening quote
        for (;;) {
            if (atEnd())
                return fail("unterminated string");
            const char c = peek();
            if (c == '"') {
                ++position_;
                return true;
            }
            if (static_cast<unsigned char>(c) < 0x20)
                return fail("control character in a string");
            ++position_;
            if (c != '\\')
                out += c;
            else if (!parseEscape(out))
                return false;
        }
    }

    void skipDigits()
    {
        while (peek() >= '0' && peek() <= '9')
            ++position_;
    }

    bool parseNumber(JsonValue& out)
    {
        const std::size_t start = position_;
        if (peek() == '-')
            ++position_;
        if (peek() == '0')
            ++position_;
        else if (peek() >= '1' && peek() <= '9')
            skipDigits();
        else
            return fail("unexpected character");
        bool integral = true;
        if (peek() == '.') {
            integral = false;
            ++position_;
            if (!(peek() >= '0' && peek() <= '9'))
                return fail("digits expected after '.'");
            skipDigits();
        }
        if (peek() == 'e' || peek() == 'E') {
            integral = false;
            ++position_;
            if (peek() == '+' || peek() == '-')
                ++position_;
            if (!(peek() >= '0' && peek() <= '9'))
                return fail("digits expected in the exponent");
            skipDigits();
        }
        // The token is valid JSON by now, so strtod reads all of it; values out
        // of range become infinity or zero, which the checks compare as numbers.
        // (The game never changes the C locale, so '.' is the decimal point.)
        const std::string token(text_.substr(start, position_ - start));
        const double value = std::strtod(token.c_str(), nullptr);
        out.kind = JsonValue::Kind::Number;
        out.number = value;
        out.integral = integral;
        return true;
    }

    std::string_view text_;
    std::size_t position_ = 0;
    std::string error_;
};

}  // namespace

const JsonValue* JsonValue::member(std::string_view key) const
{
    for (const auto& [name, value] : members) {
        if (name == key)
            return &value;
    }
    return nullptr;
}

JsonParseResult parseJson(std::string_view text)
{
    return JsonParser(text).parseDocument();
}
