#include "framework/framework_arguments.h"

#include <algorithm>
#include <string>

namespace {

using Args = FrameworkArguments;

// Where the description column of --help starts at the least.
constexpr std::size_t MinimumOptionColumn = 24;

const FrameworkOption* findOption(const std::string& argument)
{
    for (const FrameworkOption& option : frameworkOptions()) {
        if (argument == option.name)
            return &option;
    }
    return nullptr;
}

std::string optionSynopsis(const FrameworkOption& option)
{
    std::string synopsis = option.name;
    if (option.valueName != nullptr)
        synopsis += std::string(" ") + option.valueName;
    return synopsis;
}

} // namespace

const std::vector<FrameworkOption>& frameworkOptions()
{
    static const std::vector<FrameworkOption> options = {
        {"--help", nullptr, "print this text and quit", &Args::help, nullptr},
        {"--run_headless", nullptr, "render one frame (or a whole demo or route), save a screenshot and quit",
         &Args::runHeadless, nullptr},
        {"--filename", "NAME", "screenshot name: NAME.ppm (default screenshot.ppm)", &Args::hasFilename,
         &Args::filename},
        {"--init_camera", "FILE", "camera settings file instead of assets/settings/camera_front.ini",
         &Args::hasInitCamera, &Args::initCamera},
        {"--init_renderer", "FILE", "renderer settings file instead of assets/settings/renderer_standard.ini",
         &Args::hasInitRenderer, &Args::initRenderer},
        {"--record_demo", "FILE", "write everything played (frame times, keys, mouse) into a demo file",
         &Args::hasRecordDemo, &Args::recordDemo},
        {"--play_demo", "FILE", "replay a demo on its recorded frame times; the run ends with it",
         &Args::hasPlayDemo, &Args::playDemo},
        {"--route", "FILE", "let an autopilot walk a route (way points, jumps, waits)", &Args::hasRoute,
         &Args::route},
        {"--timedemo", nullptr,
         "with --play_demo or --route: play as fast as possible and print frame-time figures",
         &Args::timedemo, nullptr},
        {"--draw", "MODE", "full (default), unlit, no_map or clear: what the frames draw, for measurements",
         &Args::hasDraw, &Args::draw},
        {"--lighting", "MODE", "stored (default: the fixed light computed once) or per_pixel",
         &Args::hasLighting, &Args::lighting},
        {"--timedemo_csv", "FILE", "with --timedemo: write every frame's time into a CSV file",
         &Args::hasTimedemoCsv, &Args::timedemoCsv},
        {"--screenshot_frames", "N,N,...", "also save a screenshot of each of these frames (NAME_N.ppm)",
         &Args::hasScreenshotFrames, &Args::screenshotFrames},
        {"--mute", nullptr, "no sound, whatever window.ini says", &Args::mute, nullptr},
        {"--record_audio", "FILE", "write the run's sound into a WAV file, one frame's samples per frame",
         &Args::hasRecordAudio, &Args::recordAudio},
    };
    return options;
}

void parseFrameworkArguments(FrameworkArguments& arguments, int argc, const char* const* argv)
{
    bool previousTakesValue = false;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        const FrameworkOption* option = findOption(argument);
        if (option == nullptr) {
            if (!previousTakesValue)
                arguments.unknownOptions.push_back(argument);
            previousTakesValue = false;
            continue;
        }
        previousTakesValue = option->value != nullptr;
        if (option->value == nullptr) {
            arguments.*option->given = true;
        } else if (i + 1 < argc) {
            arguments.*option->given = true;
            arguments.*option->value = argv[i + 1];
        }
    }
}

std::string unknownOptionLine(const std::string& argument)
{
    return "Unknown option: " + argument + " (see --help)";
}

std::string formatOptionsHelp()
{
    std::size_t column = MinimumOptionColumn;
    for (const FrameworkOption& option : frameworkOptions())
        column = std::max(column, optionSynopsis(option).size() + 4);
    std::string text;
    for (const FrameworkOption& option : frameworkOptions()) {
        std::string line = "  " + optionSynopsis(option);
        line.resize(column, ' ');
        text += line + option.description + "\n";
    }
    return text;
}
