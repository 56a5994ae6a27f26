#include "app/replay/demo_file.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include <GLFW/glfw3.h>

#include "framework/file_path.h"

namespace {

const char* const DemoMagic = "korvel-demo";

std::string errorLine(const std::string& fileName, int lineNumber, const std::string& reason)
{
    return "ERROR: Bad demo file '" + fileName + "' line " + std::to_string(lineNumber) + ": " + reason;
}

bool isBlankOrComment(const std::string& line)
{
    const std::size_t first = line.find_first_not_of(" \t\r");
    return first == std::string::npos || line[first] == '#';
}

// A whole token as a finite number, or nothing.
std::optional<double> parseNumber(const std::string& token)
{
    if (token.empty())
        return std::nullopt;
    char* end = nullptr;
    const double value = std::strtod(token.c_str(), &end);
    if (end != token.c_str() + token.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<DemoKeys> parseKeys(const std::string& token)
{
    if (token == "-")
        return DemoKeys{0};
    DemoKeys keys = 0;
    std::istringstream names(token);
    std::string name;
    while (std::getline(names, name, '+')) {
        DemoKeys bit = 0;
        for (std::size_t i = 0; i < demoKeyNames().size(); ++i) {
            if (name == demoKeyNames()[i].name)
                bit = static_cast<DemoKeys>(1u << i);
        }
        if (bit == 0)
            return std::nullopt;
        keys |= bit;
    }
    if (keys == 0)
        return std::nullopt;
    return keys;
}

// Reads one frame line; returns the reason it is bad, or an empty string.
std::string parseFrameLine(const std::string& line, DemoFrame& frame)
{
    std::istringstream tokens(line);
    std::string frameTime;
    std::string keys;
    if (!(tokens >> frameTime >> keys))
        return "expected '<frame time> <keys> [<cursor x> <cursor y>]...'";
    const std::optional<double> seconds = parseNumber(frameTime);
    // Checked after narrowing: a time too small for a float would become a zero step.
    const float narrowed = seconds ? static_cast<float>(*seconds) : 0.0f;
    if (!(narrowed > 0.0f) || *seconds > MaxDemoFrameTime)
        return "frame time '" + frameTime + "' is not a number of seconds in (0, 10]";
    frame.frameTime = narrowed;
    const std::optional<DemoKeys> keyBits = parseKeys(keys);
    if (!keyBits)
        return "unknown keys '" + keys + "'";
    frame.keys = *keyBits;

    std::string x;
    std::string y;
    while (tokens >> x) {
        if (!(tokens >> y))
            return "cursor position without its y";
        const std::optional<double> cursorX = parseNumber(x);
        const std::optional<double> cursorY = parseNumber(y);
        if (!cursorX || !cursorY || std::fabs(*cursorX) > MaxDemoCursorCoordinate ||
            std::fabs(*cursorY) > MaxDemoCursorCoordinate)
            return "cursor position '" + x + " " + y + "' is not a pair of sensible numbers";
        frame.cursorEvents.emplace_back(*cursorX, *cursorY);
    }
    return {};
}

std::string formatNumber(const char* format, double value)
{
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

}  // namespace

const std::vector<DemoKeyName>& demoKeyNames()
{
    static const std::vector<DemoKeyName> names{
        {GLFW_KEY_W, "W"},   {GLFW_KEY_A, "A"},     {GLFW_KEY_S, "S"},
        {GLFW_KEY_D, "D"},   {GLFW_KEY_B, "B"},     {GLFW_KEY_SPACE, "Space"},
        {GLFW_KEY_F9, "F9"}, {GLFW_KEY_F10, "F10"}, {GLFW_KEY_F11, "F11"},
    };
    return names;
}

DemoKeys demoKeyBit(int glfwKey)
{
    const std::vector<DemoKeyName>& names = demoKeyNames();
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i].glfwKey == glfwKey)
            return static_cast<DemoKeys>(1u << i);
    }
    return 0;
}

DemoParseResult parseDemo(std::istream& input, const std::string& fileName)
{
    DemoParseResult result;
    bool sawHeader = false;
    std::string line;
    for (int lineNumber = 1; std::getline(input, line); ++lineNumber) {
        if (isBlankOrComment(line))
            continue;
        if (!sawHeader) {
            std::istringstream tokens(line);
            std::string magic;
            std::string version;
            std::string extra;
            tokens >> magic >> version;
            if (magic != DemoMagic || (tokens >> extra))
                result.error = errorLine(fileName, lineNumber, "not a demo file (expected 'korvel-demo 1')");
            else if (version != std::to_string(DemoFormatVersion))
                result.error = errorLine(fileName, lineNumber,
                                         "unsupported version '" + version + "' (this game reads version 1)");
            if (!result.ok())
                return result;
            sawHeader = true;
            continue;
        }
        DemoFrame frame;
        const std::string reason = parseFrameLine(line, frame);
        if (!reason.empty()) {
            result.error = errorLine(fileName, lineNumber, reason);
            return result;
        }
        result.demo.frames.push_back(std::move(frame));
    }
    if (!sawHeader)
        result.error = "ERROR: Bad demo file '" + fileName + "': no 'korvel-demo 1' line";
    else if (result.demo.frames.empty())
        result.error = "ERROR: Bad demo file '" + fileName + "': it holds no frames";
    return result;
}

DemoParseResult readDemoFile(const std::string& path)
{
    std::ifstream file(filePath(path));
    if (!file) {
        DemoParseResult result;
        result.error = "ERROR: Could not open demo file '" + path + "'";
        return result;
    }
    return parseDemo(file, path);
}

std::string formatDemoKeys(DemoKeys keys)
{
    std::string text;
    const std::vector<DemoKeyName>& names = demoKeyNames();
    for (std::size_t i = 0; i < names.size(); ++i) {
        if ((keys & (1u << i)) == 0)
            continue;
        if (!text.empty())
            text += '+';
        text += names[i].name;
    }
    return text.empty() ? "-" : text;
}

std::string formatDemoFrame(const DemoFrame& frame)
{
    // %.9g round-trips every float, %.17g every double.
    std::string line = formatNumber("%.9g", frame.frameTime) + " " + formatDemoKeys(frame.keys);
    for (const glm::dvec2& cursor : frame.cursorEvents)
        line += " " + formatNumber("%.17g", cursor.x) + " " + formatNumber("%.17g", cursor.y);
    return line;
}

std::string demoHeaderLine()
{
    return std::string(DemoMagic) + " " + std::to_string(DemoFormatVersion);
}
