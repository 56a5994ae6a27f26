// The command-line options of replays and measurements: demos, routes, the
// timedemo and its figures, and what the frames draw and save.
#pragma once

#include <string>
#include <vector>

#include "framework/framework_arguments.h"

struct ReplayArguments {
    bool hasRecordDemo = false;  // "--record_demo FILE"
    std::string recordDemo;
    bool hasPlayDemo = false;  // "--play_demo FILE"
    std::string playDemo;
    bool hasRoute = false;  // "--route FILE": steer the player along a route
    std::string route;
    bool timedemo = false;  // "--timedemo"
    bool hasDraw = false;   // "--draw MODE": full, unlit, no_map or clear (for measurements)
    std::string draw;
    bool hasLighting = false;  // "--lighting MODE": stored (the static light baked once) or per_pixel
    std::string lighting;
    bool hasRenderScale = false;  // "--render_scale VALUE": 0.25 to 1 or auto, instead of window.ini's
    std::string renderScale;
    bool hasTimedemoCsv = false;  // "--timedemo_csv FILE": every frame's time, with --timedemo
    std::string timedemoCsv;
    bool hasScreenshotFrames = false;  // "--screenshot_frames N,N,...": screenshots of those frames too
    std::string screenshotFrames;
};

// In the order --help lists them.
const std::vector<CommandLineOption<ReplayArguments>>& replayOptions();
