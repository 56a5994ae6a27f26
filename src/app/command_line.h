// The game's whole command line: the framework's options (headless runs,
// settings files, --help), then those of replays and measurements, then sound.
// --help lists them in that order.
#pragma once

#include <string>
#include <vector>

#include "app/replay/replay_arguments.h"
#include "framework/framework_arguments.h"

struct SoundArguments {
    bool mute = false;            // "--mute": no sound, whatever the settings say
    bool hasRecordAudio = false;  // "--record_audio FILE": the run's sound as a WAV file
    std::string recordAudio;
};

const std::vector<CommandLineOption<SoundArguments>>& soundOptions();

struct CommandLine {
    FrameworkArguments framework;
    ReplayArguments replay;
    SoundArguments sound;
    // Arguments that are neither an option nor the value of the option before
    // them, in command-line order. The game reports and otherwise ignores them.
    std::vector<std::string> unknownOptions;
};

// Every option the game knows, in the order --help lists them.
const std::vector<OptionSynopsis>& commandLineOptions();

// Scans argv[1..argc-1] into every record; see scanOptions for the rules.
CommandLine parseCommandLine(int argc, const char* const* argv);
