#include "framework/framework_arguments.h"

#include <string>

namespace {

// Sets flag and value from the argument after position i when option matches
// argv[i] and such an argument exists.
void takeValue(const char* const* argv, int argc, int i, const char* option, bool& flag,
               std::string& value)
{
    if (std::string(argv[i]) != option || i + 1 >= argc)
        return;
    flag = true;
    value = argv[i + 1];
}

} // namespace

void parseFrameworkArguments(FrameworkArguments& arguments, int argc, const char* const* argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--run_headless")
            arguments.runHeadless = true;
        if (argument == "--timedemo")
            arguments.timedemo = true;
        takeValue(argv, argc, i, "--filename", arguments.hasFilename, arguments.filename);
        takeValue(argv, argc, i, "--init_camera", arguments.hasInitCamera, arguments.initCamera);
        takeValue(argv, argc, i, "--init_renderer", arguments.hasInitRenderer,
                  arguments.initRenderer);
        takeValue(argv, argc, i, "--play_demo", arguments.hasPlayDemo, arguments.playDemo);
        takeValue(argv, argc, i, "--record_demo", arguments.hasRecordDemo, arguments.recordDemo);
        takeValue(argv, argc, i, "--route", arguments.hasRoute, arguments.route);
        takeValue(argv, argc, i, "--draw", arguments.hasDraw, arguments.draw);
        takeValue(argv, argc, i, "--lighting", arguments.hasLighting, arguments.lighting);
        takeValue(argv, argc, i, "--timedemo_csv", arguments.hasTimedemoCsv, arguments.timedemoCsv);
        takeValue(argv, argc, i, "--screenshot_frames", arguments.hasScreenshotFrames,
                  arguments.screenshotFrames);
    }
}
