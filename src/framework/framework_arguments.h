// The framework's command-line options: headless one-frame runs with a screenshot
// name, replacement camera and renderer settings files, and demo playback and
// recording. Owned by the entry point for the whole run.
#pragma once

#include <string>

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
    bool hasLighting = false;      // "--lighting MODE": stored (the static light baked once) or per_pixel
    std::string lighting;
    bool hasTimedemoCsv = false;   // "--timedemo_csv FILE": every frame's time, with --timedemo
    std::string timedemoCsv;
    bool hasScreenshotFrames = false;  // "--screenshot_frames N,N,...": screenshots of those frames too
    std::string screenshotFrames;
};

// Scans argv[1..argc-1]. Every argument is compared with every option, values
// included: "--filename --run_headless" names the file "--run_headless" and also
// sets runHeadless. A repeated option overwrites the earlier value; an option that
// needs a value but comes last is ignored. Unknown arguments are ignored.
void parseFrameworkArguments(FrameworkArguments& arguments, int argc, const char* const* argv);
