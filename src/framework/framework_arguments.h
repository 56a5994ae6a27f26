// The framework's command-line options: headless one-frame runs with a screenshot
// name, replacement camera and renderer settings files, and demo playback and
// recording, sound. Owned by the entry point for the whole run.
//
// Every option is declared once, in the table of framework_arguments.cpp: the
// scan, the unknown-option check and the --help text all read that table, so a
// new option is one field here and one row there.
#pragma once

#include <string>
#include <vector>

struct FrameworkArguments {
    bool runHeadless = false;      // "--run_headless": render one frame, save it, stop
    bool hasInitCamera = false;    // "--init_camera FILE"
    bool hasInitRenderer = false;  // "--init_renderer FILE"
    bool hasFilename = false;      // "--filename NAME"
    std::string filename;          // screenshot base name, ".ppm" is appended
    std::string initCamera;        // relative path of the camera settings file
    std::string initRenderer;      // relative path of the renderer settings file
    bool hasPlayDemo = false;      // "--play_demo FILE"
    std::string playDemo;
    bool hasRecordDemo = false;    // "--record_demo FILE"
    std::string recordDemo;
    bool timedemo = false;         // "--timedemo"
    bool hasRoute = false;         // "--route FILE": steer the player along a route
    std::string route;
    bool hasDraw = false;          // "--draw MODE": full, unlit, no_map or clear (for measurements)
    std::string draw;
    bool mute = false;             // "--mute": no sound, whatever the settings say
    bool hasRecordAudio = false;   // "--record_audio FILE": the run's sound as a WAV file
    std::string recordAudio;
    bool help = false;             // "--help": print the help text and end
    // Arguments that are neither an option nor the value of the option before
    // them, in command-line order. The game reports and otherwise ignores them.
    std::vector<std::string> unknownOptions;
    bool hasLighting = false;      // "--lighting MODE": stored (the static light baked once) or per_pixel
    std::string lighting;
    bool hasTimedemoCsv = false;   // "--timedemo_csv FILE": every frame's time, with --timedemo
    std::string timedemoCsv;
    bool hasScreenshotFrames = false;  // "--screenshot_frames N,N,...": screenshots of those frames too
    std::string screenshotFrames;
};

// One command-line option: how it is written, what --help says about it and
// which fields of the record it fills.
struct FrameworkOption {
    const char* name;         // "--filename"
    const char* valueName;    // "NAME" for an option that takes the next argument; nullptr for a switch
    const char* description;  // one line for --help
    bool FrameworkArguments::*given;          // set when the option appears (with its value, if any)
    std::string FrameworkArguments::*value;   // the next argument; nullptr for a switch
};

// Every option the game knows, in the order --help lists them.
const std::vector<FrameworkOption>& frameworkOptions();

// Scans argv[1..argc-1]. Every argument is compared with every option, values
// included: "--filename --run_headless" names the file "--run_headless" and also
// sets runHeadless. A repeated option overwrites the earlier value; an option that
// needs a value but comes last is ignored. Other arguments are collected in
// unknownOptions, except the value that follows an option.
void parseFrameworkArguments(FrameworkArguments& arguments, int argc, const char* const* argv);

// "Unknown option: X (see --help)".
std::string unknownOptionLine(const std::string& argument);

// The options part of --help: one line per option, "  --name VALUE" padded to a
// common column, then its description.
std::string formatOptionsHelp();
