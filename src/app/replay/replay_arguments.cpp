#include "app/replay/replay_arguments.h"

const std::vector<CommandLineOption<ReplayArguments>>& replayOptions()
{
    using Args = ReplayArguments;
    static const std::vector<CommandLineOption<ReplayArguments>> options = {
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
        {"--render_scale", "VALUE",
         "0.25 to 1, or auto (holds target_fps): the share of the window the 3-D passes draw, scaled up",
         &Args::hasRenderScale, &Args::renderScale},
        {"--timedemo_csv", "FILE", "with --timedemo: write every frame's time into a CSV file",
         &Args::hasTimedemoCsv, &Args::timedemoCsv},
        {"--screenshot_frames", "N,N,...", "also save a screenshot of each of these frames (NAME_N.ppm)",
         &Args::hasScreenshotFrames, &Args::screenshotFrames},
    };
    return options;
}
