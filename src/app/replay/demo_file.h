// Demo files: a player's input, frame by frame, as small versioned text files.
//
//     korvel-demo 1
//     # <frame time in seconds> <keys> [<cursor x> <cursor y>]...
//     0.0166667 - 512 384
//     0.0166667 W+B
//     0.0166667 W+Space 530 384
//
// The first line that is not blank or a "#" comment names the format and its
// version. Every further line is one frame: the time step the frame ran with,
// the keys the game polled as held ("-" for none, else names joined with "+":
// W A S D B Space F9 F10 F11), then the cursor positions the window reported
// during that frame, in order. Replaying the same file gives the same run.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include <glm/vec2.hpp>

constexpr int DemoFormatVersion = 1;
// Frame times outside (0, MaxDemoFrameTime] seconds are refused as absurd.
constexpr double MaxDemoFrameTime = 10.0;
// Cursor coordinates beyond this magnitude are refused as absurd.
constexpr double MaxDemoCursorCoordinate = 1e9;

// Bit set of the keys the player polls.
using DemoKeys = std::uint16_t;

struct DemoFrame {
    float frameTime = 0.0f;  // seconds
    DemoKeys keys = 0;
    std::vector<glm::dvec2> cursorEvents;  // in the order the window sent them
};

struct Demo {
    std::vector<DemoFrame> frames;
};

struct DemoParseResult {
    Demo demo;
    std::string error;  // empty when the file was read; else one line for the player
    bool ok() const { return error.empty(); }
};

// The polled keys as GLFW key codes and demo names, in bit order.
struct DemoKeyName {
    int glfwKey;
    const char* name;
};
const std::vector<DemoKeyName>& demoKeyNames();

// Bit of `glfwKey` in DemoKeys, or 0 when the key is not one the player polls.
DemoKeys demoKeyBit(int glfwKey);

// Parses a whole demo; `fileName` only names the file in the error line.
DemoParseResult parseDemo(std::istream& input, const std::string& fileName);
DemoParseResult readDemoFile(const std::string& path);

// "W+B", or "-" for no keys.
std::string formatDemoKeys(DemoKeys keys);
// One frame line, without its line end; numbers round-trip exactly.
std::string formatDemoFrame(const DemoFrame& frame);
// The header line, without its line end.
std::string demoHeaderLine();
