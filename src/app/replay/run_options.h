// How this run gets its input and its time, and what it records and measures.
//
// Live play reads the window and the real clocks; "--play_demo FILE" replays a
// recorded demo and "--route FILE" steers the player along a route, both on
// their own frame times. "--record_demo FILE" writes whatever is played into a
// demo; "--timedemo" plays as fast as possible and prints frame-time figures,
// for the whole run at its end and, in runs that last, for every minute.
#pragma once

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/replay/demo_recorder.h"
#include "app/replay/frame_source.h"
#include "app/replay/replay_arguments.h"
#include "app/replay/route.h"

struct GLFWwindow;
class Camera;

// What the frames draw. Anything but Full is for measuring what drawing costs.
enum class DrawMode {
    Full,   // the game as it is played
    Unlit,  // the same frame with every light replaced by the base colour
    NoMap,  // the map starts hidden, as after F3
    Clear,  // no pass at all: clear and swap only; the game still runs
};

class RunOptions {
public:
    // Reads the demo or route and opens the recording. False when the run
    // cannot start; the one line that says why has been printed.
    bool prepare(const ReplayArguments& arguments, bool runHeadless);

    // Creates the frame source once the window exists. Live play reads the
    // player's mouse and gamepad with `controls`.
    void attachWindow(GLFWwindow* window, float mouseSensitivity, const ControlSettings& controls = {});
    FrameSource& source() { return *frameSource; }
    GameClock& clock() { return frameSource->clock(); }
    DrawMode drawMode() const { return draw; }
    // "--lighting per_pixel" lights the static scenery per fragment, as the
    // moving things are, instead of from the light baked once at start-up.
    bool storesStaticLight() const { return storedStaticLight; }
    // "--screenshot_frames": whether frame `frame` (1 = first) is to be saved.
    bool screenshotWanted(long frame) const;

    // Live cursor events reach the camera through here (replays and headless
    // frames ignore the mouse).
    void onCursor(Camera& camera, double x, double y);

    // Only someone playing live in a window is away when it loses the focus:
    // replays, timedemos and headless frames never pause.
    bool pausesWhenAway() const { return liveSource != nullptr; }
    // Stops the game's clocks and the reading of input until resume().
    void pause();
    void resume();

    // Right before the first frame, so that every frame gets its time.
    void startTiming();
    // After a frame's input is known: records it when recording.
    void frameInput(const DemoFrame& frame);
    // After the buffer swap: frame timing, and real-time pacing of a watched replay.
    void frameFinished();
    // After the loop: the timedemo line, and the frame times' file when asked for.
    // False when that file could not be written.
    bool finish() const;

private:
    // Under --timedemo: a figures line for every minute of wall time.
    void reportMinute(double seconds);

    std::optional<Demo> demo;
    std::optional<Route> route;
    std::unique_ptr<DemoRecorder> recorder;
    std::unique_ptr<FrameSource> frameSource;
    LiveFrameSource* liveSource = nullptr;
    bool timedemo = false;
    bool headless = false;
    DrawMode draw = DrawMode::Full;
    bool storedStaticLight = true;
    std::string frameTimesFile;  // "--timedemo_csv"; empty: none
    std::vector<long> screenshotFrames;

    using SteadyTime = std::chrono::steady_clock::time_point;
    std::optional<SteadyTime> lastFrameEnd;
    std::optional<SteadyTime> replayStart;
    std::vector<double> frameSeconds;
    std::vector<double> minuteFrameSeconds;  // frames since the last minute's line
    double minuteElapsed = 0.0;              // seconds since the last minute's line
    int minutesReported = 0;
};
