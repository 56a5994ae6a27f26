#include "framework/framework_arguments.h"

#include <algorithm>
#include <string>

namespace {

using Args = FrameworkArguments;

// Where the description column of --help starts at the least.
constexpr std::size_t MinimumOptionColumn = 24;

const OptionSynopsis* findOption(const std::vector<OptionSynopsis>& options, const std::string& argument)
{
    for (const OptionSynopsis& option : options) {
        if (argument == option.name)
            return &option;
    }
    return nullptr;
}

std::string optionSynopsis(const OptionSynopsis& option)
{
    std::string synopsis = option.name;
    if (option.valueName != nullptr)
        synopsis += std::string(" ") + option.valueName;
    return synopsis;
}

}  // namespace

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
    };
    return options;
}

void parseFrameworkArguments(FrameworkArguments& arguments, int argc, const char* const* argv)
{
    scanOptions(arguments, frameworkOptions(), argc, argv);
}

std::vector<std::string> unknownArguments(const std::vector<OptionSynopsis>& known, int argc,
                                          const char* const* argv)
{
    std::vector<std::string> unknown;
    bool previousTakesValue = false;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        const OptionSynopsis* option = findOption(known, argument);
        if (option == nullptr) {
            if (!previousTakesValue)
                unknown.push_back(argument);
            previousTakesValue = false;
            continue;
        }
        previousTakesValue = option->valueName != nullptr;
    }
    return unknown;
}

std::string unknownOptionLine(const std::string& argument)
{
    return "Unknown option: " + argument + " (see --help)";
}

std::string formatOptionsHelp(const std::vector<OptionSynopsis>& options)
{
    std::size_t column = MinimumOptionColumn;
    for (const OptionSynopsis& option : options)
        column = std::max(column, optionSynopsis(option).size() + 4);
    std::string text;
    for (const OptionSynopsis& option : options) {
        std::string line = "  " + optionSynopsis(option);
        line.resize(column, ' ');
        text += line + option.description + "\n";
    }
    return text;
}
