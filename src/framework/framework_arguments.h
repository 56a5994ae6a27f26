// The framework's command-line options: headless one-frame runs with a screenshot
// name, replacement camera and renderer settings files, and --help. Owned by the
// entry point for the whole run.
//
// The game adds option records of its own (replays, sound). Each record declares
// its options once, in a table of CommandLineOption rows: the scan fills the
// record from that table, and the unknown-option check and the --help text read
// the synopses of every table, so a new option is one field and one row.
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
    bool help = false;             // "--help": print the help text and end
};

// How an option is written and what --help says about it.
struct OptionSynopsis {
    const char* name;         // "--filename"
    const char* valueName;    // "NAME" for an option that takes the next argument; nullptr for a switch
    const char* description;  // one line for --help
};

// One option of the record `Record`: its synopsis and the fields it fills.
template <class Record>
struct CommandLineOption {
    const char* name;
    const char* valueName;
    const char* description;
    bool Record::*given;         // set when the option appears (with its value, if any)
    std::string Record::*value;  // the next argument; nullptr for a switch

    OptionSynopsis synopsis() const { return {name, valueName, description}; }
};

using FrameworkOption = CommandLineOption<FrameworkArguments>;

// The framework's options, in the order --help lists them.
const std::vector<FrameworkOption>& frameworkOptions();

// Scans argv[1..argc-1] for the options of one record. Every argument is compared
// with every option, values included: "--filename --run_headless" names the file
// "--run_headless" and also sets runHeadless. A repeated option overwrites the
// earlier value; an option that needs a value but comes last is ignored.
template <class Record>
void scanOptions(Record& record, const std::vector<CommandLineOption<Record>>& options, int argc,
                 const char* const* argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        for (const CommandLineOption<Record>& option : options) {
            if (argument != option.name)
                continue;
            if (option.value == nullptr) {
                record.*option.given = true;
            } else if (i + 1 < argc) {
                record.*option.given = true;
                record.*option.value = argv[i + 1];
            }
        }
    }
}

// The framework's options only.
void parseFrameworkArguments(FrameworkArguments& arguments, int argc, const char* const* argv);

// Appends the synopses of `options` to `synopses`.
template <class Record>
void appendSynopses(std::vector<OptionSynopsis>& synopses,
                    const std::vector<CommandLineOption<Record>>& options)
{
    for (const CommandLineOption<Record>& option : options)
        synopses.push_back(option.synopsis());
}

// The arguments of argv[1..argc-1] that are neither one of `known` nor the value
// of the option before them, in command-line order.
std::vector<std::string> unknownArguments(const std::vector<OptionSynopsis>& known, int argc,
                                          const char* const* argv);

// "Unknown option: X (see --help)".
std::string unknownOptionLine(const std::string& argument);

// The options part of --help: one line per option, "  --name VALUE" padded to a
// common column, then its description.
std::string formatOptionsHelp(const std::vector<OptionSynopsis>& options);
