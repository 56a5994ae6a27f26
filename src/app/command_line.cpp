#include "app/command_line.h"

const std::vector<CommandLineOption<SoundArguments>>& soundOptions()
{
    using Args = SoundArguments;
    static const std::vector<CommandLineOption<SoundArguments>> options = {
        {"--mute", nullptr, "no sound, whatever window.ini says", &Args::mute, nullptr},
        {"--record_audio", "FILE", "write the run's sound into a WAV file, one frame's samples per frame",
         &Args::hasRecordAudio, &Args::recordAudio},
    };
    return options;
}

const std::vector<OptionSynopsis>& commandLineOptions()
{
    static const std::vector<OptionSynopsis> synopses = [] {
        std::vector<OptionSynopsis> all;
        appendSynopses(all, frameworkOptions());
        appendSynopses(all, replayOptions());
        appendSynopses(all, soundOptions());
        return all;
    }();
    return synopses;
}

CommandLine parseCommandLine(int argc, const char* const* argv)
{
    CommandLine commandLine;
    scanOptions(commandLine.framework, frameworkOptions(), argc, argv);
    scanOptions(commandLine.replay, replayOptions(), argc, argv);
    scanOptions(commandLine.sound, soundOptions(), argc, argv);
    commandLine.unknownOptions = unknownArguments(commandLineOptions(), argc, argv);
    return commandLine;
}
